#include "catalogue/catalogue_database.h"

#include "catalogue/catalogue_text.h"

#include <sqlite3.h>

namespace {

// Once built, the catalogue accepts reads only: no write, no PRAGMA, no ATTACH.
int readOnlyAuthorizer(void*, int action, const char*, const char*, const char*, const char*) {
    switch (action) {
    case SQLITE_SELECT:
    case SQLITE_READ:
    case SQLITE_FUNCTION:
    case SQLITE_RECURSIVE:
        return SQLITE_OK;
    default:
        return SQLITE_DENY;
    }
}

bool onlyBlanks(const char* text) {
    for (; text && *text; ++text) {
        if (*text != ' ' && *text != '\t' && *text != '\r' && *text != '\n' && *text != ';')
            return false;
    }
    return true;
}

} // namespace

CatalogueDatabase::~CatalogueDatabase() {
    if (m_db) sqlite3_close(m_db);
}

namespace {
struct BuiltCatalogue {
    CatalogueDatabase database;
    BuiltCatalogue() { database.build(); }
};
} // namespace

CatalogueDatabase& CatalogueDatabase::instance() {
    // A function-local static is built once even when two threads ask at the same time:
    // the second waits for the first (the start-up builds it on a second thread).
    static BuiltCatalogue built;
    return built.database;
}

void CatalogueDatabase::build() {
    build(builtInCatalogue());
}

void CatalogueDatabase::build(const std::vector<CatalogueTable>& tables) {
    if (m_db) return; // built once per object
    if (sqlite3_open_v2(":memory:", &m_db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        m_loadErrors.push_back("the in-memory database cannot be opened");
        return;
    }
    for (const CatalogueTable& table : tables) {
        std::string error;
        if (!loadTable(table, error)) m_loadErrors.push_back("table " + table.name + ", " + error);
    }
    sqlite3_set_authorizer(m_db, readOnlyAuthorizer, nullptr);
    m_readOnly = true;
}

bool CatalogueDatabase::loadTable(const CatalogueTable& table, std::string& error) {
    ParsedTable parsed;
    if (!parseCatalogueText(
            std::string_view(table.text.constData(), static_cast<size_t>(table.text.size())),
            parsed, error))
        return false;

    std::string create = "CREATE TABLE " + sqlName(table.name) + " (";
    std::string insert = "INSERT INTO " + sqlName(table.name) + " VALUES (";
    for (size_t i = 0; i < parsed.header.size(); ++i) {
        create += (i ? ", " : "") + sqlName(parsed.header[i]) + " TEXT";
        insert += i ? ", ?" : "?";
    }
    create += ")";
    insert += ")";

    if (!execute("BEGIN", &error)) return false;
    bool ok = execute(create, &error);
    sqlite3_stmt* statement = nullptr;
    if (ok && sqlite3_prepare_v2(m_db, insert.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
        error = sqlite3_errmsg(m_db);
        ok = false;
    }
    for (size_t r = 0; ok && r < parsed.records.size(); ++r) {
        const std::vector<std::string>& record = parsed.records[r];
        for (size_t c = 0; c < record.size(); ++c)
            sqlite3_bind_text(statement, static_cast<int>(c + 1), record[c].data(),
                              static_cast<int>(record[c].size()), SQLITE_STATIC);
        if (sqlite3_step(statement) != SQLITE_DONE) {
            error = "record " + std::to_string(r + 2) + ": " + sqlite3_errmsg(m_db);
            ok = false;
        }
        sqlite3_reset(statement);
    }
    sqlite3_finalize(statement);
    std::string ignored;
    execute(ok ? "COMMIT" : "ROLLBACK", &ignored);
    return ok;
}

int CatalogueDatabase::likePatternLimit() const {
    return m_db ? sqlite3_limit(m_db, SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1) : 0;
}

bool CatalogueDatabase::execute(const std::string& sql, std::string* error) {
    if (!m_db || m_readOnly) {
        if (error)
            *error = m_db ? "the catalogue is read-only" : "the catalogue database is not open";
        return false;
    }
    char* message = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        if (error) *error = message ? message : sqlite3_errmsg(m_db);
        sqlite3_free(message);
        return false;
    }
    return true;
}

TextGrid CatalogueDatabase::query(const std::string& sql, bool* ok, std::string* error,
                                  const std::vector<std::string>& parameters) {
    auto fail = [&](const std::string& message) {
        if (ok) *ok = false;
        if (error) *error = message;
        return TextGrid{};
    };
    if (!m_db) return fail("the catalogue database is not open");

    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.c_str(), static_cast<int>(sql.size()), &statement, &tail) !=
        SQLITE_OK)
        return fail(sqlite3_errmsg(m_db));
    if (!onlyBlanks(tail)) {
        sqlite3_finalize(statement);
        return fail("only one statement can be run at a time");
    }

    TextGrid grid;
    grid.rowCount = 1;
    if (!statement) { // an empty statement yields no rows
        if (ok) *ok = true;
        return grid;
    }
    for (size_t i = 0; i < parameters.size(); ++i)
        sqlite3_bind_text(statement, static_cast<int>(i + 1), parameters[i].data(),
                          static_cast<int>(parameters[i].size()), SQLITE_TRANSIENT);

    int rc;
    while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
        if (grid.rowCount == 1) {
            grid.columnCount = sqlite3_column_count(statement);
            for (int c = 0; c < grid.columnCount; ++c) {
                const char* name = sqlite3_column_name(statement, c);
                grid.cells.emplace_back(name ? name : "");
            }
        }
        for (int c = 0; c < grid.columnCount; ++c) {
            const unsigned char* text = sqlite3_column_text(statement, c);
            int length = sqlite3_column_bytes(statement, c);
            grid.cells.emplace_back(
                text ? std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(length))
                     : std::string());
        }
        ++grid.rowCount;
    }
    if (rc != SQLITE_DONE) {
        std::string message = sqlite3_errmsg(m_db);
        sqlite3_finalize(statement);
        return fail(message);
    }
    sqlite3_finalize(statement);
    if (ok) *ok = true;
    return grid;
}

std::string sqlName(const std::string& name) {
    std::string out = "`";
    for (char c : name) {
        if (c == '`') out += '`';
        out += c;
    }
    return out + "`";
}
