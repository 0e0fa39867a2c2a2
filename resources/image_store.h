#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

// Built-in artwork. Every image of the window is an SVG source compiled into the
// executable under ":/Image/...". The catalogue and the window controls name the
// images by relative paths such as "/Image/SectionBar/H型钢.png" or "\Image\关闭.png";
// the functions below find the built-in image for such a name whatever extension
// it carries, and render it sharp at any device-pixel ratio.

// The resource path (":/Image/SectionBar/H型钢.svg") of a catalogue or window-icon
// path; an already resolved resource path is returned unchanged. Backslashes count
// as separators, a leading program directory before "/Image/" is ignored. Empty
// when no built-in image exists.
QString resolveImagePath(const QString& catalogueOrWindowPath);

// Renders the image at logicalSize × devicePixelRatio device pixels and marks the
// pixmap with that ratio. An empty logicalSize means the image's own size. A name
// without built-in image gives a null pixmap.
QPixmap loadImage(const QString& path, const QSize& logicalSize, qreal devicePixelRatio);

// An icon drawn from the vector source at whatever size and ratio it is painted;
// logicalSize is the size it is meant to be shown at. Null icon when no image exists.
QIcon loadIcon(const QString& path, const QSize& logicalSize);

// The image's own size in logical pixels; invalid when no built-in image exists.
QSize imageNaturalSize(const QString& path);

// Resource paths of all built-in images, sorted.
QStringList builtInImages();

// The resource path of the bitmap rendered at build time for an SVG resource at pixels ×
// pixels (":/raster/Image/...@64.png"); such a bitmap exists for the icons the first frame
// paints. Empty for a path that is not an SVG resource.
QString rasterPath(const QString& svgResourcePath, int pixels);
