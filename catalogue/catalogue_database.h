#pragma once

#include "catalogue/catalogue_tables.h"
#include "catalogue/text_grid.h"

#include <string>
#include <vector>

struct sqlite3;

// The in-memory catalogue database. Built once, read-only afterwards.
class CatalogueDatabase {
  public:
    CatalogueDatabase() = default;
    ~CatalogueDatabase();
    CatalogueDatabase(const CatalogueDatabase&) = delete;
    CatalogueDatabase& operator=(const CatalogueDatabase&) = delete;

    // The process-wide catalogue, built from the built-in tables on first use. Safe to ask
    // from any thread; a caller that comes while another thread builds it waits.
    static CatalogueDatabase& instance();

    // Opens the connection and loads the built-in tables.
    void build();
    // Loads the given tables. A table whose text breaks the format is left out; its error
    // (naming the table and the record) is appended to loadErrors(). Afterwards the database
    // accepts reads only.
    void build(const std::vector<CatalogueTable>& tables);
    const std::vector<std::string>& loadErrors() const { return m_loadErrors; }

    // Runs one statement that returns no rows. Refused once the database is built.
    bool execute(const std::string& sql, std::string* error = nullptr);

    // Runs one SELECT and collects its whole result. Parameters are bound as texts to
    // ?1, ?2, ... so that typed text never becomes part of the statement.
    TextGrid query(const std::string& sql, bool* ok = nullptr, std::string* error = nullptr,
                   const std::vector<std::string>& parameters = {});

    // The longest LIKE pattern the database accepts, in bytes (0 while it is not open).
    int likePatternLimit() const;

  private:
    bool loadTable(const CatalogueTable& table, std::string& error);

    sqlite3* m_db = nullptr;
    bool m_readOnly = false;
    std::vector<std::string> m_loadErrors;
};

// A table or column name as it goes into a statement, the one quoting every statement uses:
// in backticks, so that a name the table lacks is an error, never a string literal as an
// unknown double-quoted name would be.
std::string sqlName(const std::string& name);
