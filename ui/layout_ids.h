#pragma once

// Numeric ids of the main window's elements. Tests and the shared message line find widgets
// by these ids; code that builds a widget holds it itself. Each keeps the role named here.
enum class LayoutId : int {
    WeldFamilyBar = 1,       // toolbar: buttons of the weld families
    BarFamilyBar = 2,        // toolbar: buttons of the bar families
    WeldPage = 3,            // page of the welded-section calculator
    BarPage = 4,             // page of the rolled-section browser
    StandardsBar = 5,        // toolbar: one button per standard of the family on show
    BarDrawing = 6,          // picture: drawing of the bar family
    StandardNameLine = 7,    // text: name of the current standard
    RemarkLine = 8,          // text: remark of the current standard
    SpecTableView = 9,       // list: rows of the current standard
    DrawingPanel = 10,       // parent of the dimension labels and fields
    WeldDrawing = 12,        // picture: drawing of the weld family
    WeldTitleLine = 13,      // text: "焊接-" + family name
    CalculateButton = 14,    // button: user id = family id + 2000
    AreaFormulaLine = 15,    // text
    AreaResultLine = 16,     // text
    WeightFormulaLine = 17,  // text
    WeightResultLine = 18,   // text
    SurfaceFormulaLine = 19, // text
    SurfaceResultLine = 20,  // text
    MessageLine = 21,        // text: hints, validation messages, copy confirmations
    MaterialBox = 22,        // combo box: materials with their densities
    DensityField = 23,       // edit: density in kg/m3
    BarTableArea = 24,       // element holding the spec table
    CloseButton = 25,        // button
    MinimiseButton = 26,     // button
    KeepOnTopButton = 27,    // check button
    SearchButton = 28,       // button
    SearchBox = 29,          // edit
    TransparencySlider = 30, // slider 0..155
    CalendarLine = 31,       // text
    ClockLine = 32,          // text
    CopyAreaButton = 33,     // button
    CopyWeightButton = 34,   // button
    CopySurfaceButton = 35,  // button
    EmptyTableNotice = 40,   // text over an empty spec table: why it is empty
    WeldFamilyLink = 41,     // button under that text: opens the weld family of like shape
    CoverageLine = 42,       // text over a partial spec table: how much of the standard it holds
    // Section properties of the selected row, in the bar page's left column.
    SectionPropertiesPanel = 50,      // focusable frame "截面特性" with the lines below
    SectionPropertiesTitle = 51,      // text: "截面特性" and the row's designation
    SectionPropertiesNote = 52,       // text: why a row shows no properties
    CopySectionPropertiesButton = 53, // button: copies the properties as one line
    BarTakeOff = 60,                  // take-off of the selected row, below the spec table
    WeldTakeOff = 61,                 // take-off of the calculated section, below its results
    ExportButton = 62,                // button: saves the shown spec table as a CSV file
    SearchScopeBox = 70,              // combo box: search the current standard or all standards
    SearchResultsView = 71,           // tree: rows found in all standards, grouped by standard
};
