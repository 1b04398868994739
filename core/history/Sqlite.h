// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string_view>
#include <utility>

struct sqlite3;
struct sqlite3_stmt;

namespace markwell::sqlite {

// The few pieces of SQLite's C API the grade history uses, owned so that
// nothing is left open on any way out.

// What a failed call of SQLite said: its result code and its message.
struct Failure {
    int code = 0;
    QString message;
    // The database file is not one, or is damaged: start afresh.
    bool isDamage() const;
};

class Connection {
public:
    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    Connection(Connection&& other) noexcept;
    Connection& operator=(Connection&& other) noexcept;

    // Opens (creating when missing) the database at `path`.
    bool open(const QString& path);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    sqlite3* handle() const { return db_; }

    // Runs statements that give no rows; false, with the failure kept, on an error.
    bool run(const char* sql);
    // The first column of the first row of `sql` as text ("wal" for a pragma).
    QString textOf(const char* sql);

    // The last failure of this connection or of a statement on it.
    const Failure& failure() const { return failure_; }
    void noteFailure(int code);
    void keepFailure(Failure failure) { failure_ = std::move(failure); }
    // Whether a call failed since clearFailure: a piece of work of several
    // statements checks once at its end.
    bool hasFailed() const { return failure_.code != 0; }
    void clearFailure() { failure_ = {}; }
    // The row id the last insert made.
    std::int64_t lastInsertId() const;

private:
    sqlite3* db_ = nullptr;
    Failure failure_;
};

// A prepared statement: bound, stepped through, reset and used again.
class Statement {
public:
    Statement(Connection& connection, const char* sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return stmt_ != nullptr && !failed_; }

    Statement& bind(int index, std::int64_t value);
    Statement& bind(int index, std::string_view text);
    Statement& bind(int index, const QString& text);
    Statement& bindBlob(int index, const QByteArray& bytes);
    Statement& bindNull(int index);

    // The next row: true while there is one. Done or failed: false; a
    // failure is noted on the connection and ok() turns false.
    bool next();
    // Runs a statement that gives no rows and makes it ready again.
    bool run();
    void reset();

    std::int64_t integer(int column) const;
    bool isNull(int column) const;
    QString text(int column) const;
    std::string_view textView(int column) const;
    QByteArray blob(int column) const;

private:
    Connection& connection_;
    sqlite3_stmt* stmt_ = nullptr;
    bool failed_ = false;
};

// BEGIN IMMEDIATE ... COMMIT: the write lock is taken at the start, so that
// two programs writing at once wait for each other (the busy timeout) rather
// than fail half way. Rolled back unless committed.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    bool begun() const { return begun_; }
    bool commit();

private:
    Connection& connection_;
    bool begun_ = false;
    bool done_ = false;
};

}  // namespace markwell::sqlite
