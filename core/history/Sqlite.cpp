// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/history/Sqlite.h"

#include <QFile>

#include <sqlite3.h>

#include <utility>

namespace markwell::sqlite {

bool Failure::isDamage() const {
    const int primary = code & 0xFF;
    return primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB;
}

Connection::~Connection() {
    close();
}

Connection::Connection(Connection&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)), failure_(std::move(other.failure_)) {}

Connection& Connection::operator=(Connection&& other) noexcept {
    if (this != &other) {
        close();
        db_ = std::exchange(other.db_, nullptr);
        failure_ = std::move(other.failure_);
    }
    return *this;
}

bool Connection::open(const QString& path) {
    close();
    const int code = sqlite3_open_v2(QFile::encodeName(path).constData(), &db_,
                                     SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        noteFailure(code);
        close();
        return false;
    }
    sqlite3_extended_result_codes(db_, 1);
    // The window and markwell-cli may write at the same moment: the later
    // one waits for the other's few milliseconds rather than fail.
    sqlite3_busy_timeout(db_, 20000);
    return true;
}

void Connection::close() {
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

std::int64_t Connection::lastInsertId() const {
    return sqlite3_last_insert_rowid(db_);
}

void Connection::noteFailure(int code) {
    failure_.code = code;
    failure_.message = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QString::fromUtf8(sqlite3_errstr(code));
}

bool Connection::run(const char* sql) {
    char* message = nullptr;
    const int code = sqlite3_exec(db_, sql, nullptr, nullptr, &message);
    sqlite3_free(message);
    if (code == SQLITE_OK) return true;
    noteFailure(code);
    return false;
}

QString Connection::textOf(const char* sql) {
    Statement statement(*this, sql);
    return statement.next() ? statement.text(0) : QString();
}

Statement::Statement(Connection& connection, const char* sql) : connection_(connection) {
    const int code = sqlite3_prepare_v3(connection.handle(), sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
    if (code != SQLITE_OK) {
        connection_.noteFailure(code);
        failed_ = true;
    }
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement& Statement::bind(int index, std::int64_t value) {
    if (stmt_) sqlite3_bind_int64(stmt_, index, value);
    return *this;
}

Statement& Statement::bind(int index, std::string_view text) {
    if (stmt_) sqlite3_bind_text64(stmt_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    return *this;
}

Statement& Statement::bind(int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return bind(index, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

Statement& Statement::bindBlob(int index, const QByteArray& bytes) {
    if (stmt_)
        sqlite3_bind_blob64(stmt_, index, bytes.constData(), static_cast<sqlite3_uint64>(bytes.size()),
                            SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::bindNull(int index) {
    if (stmt_) sqlite3_bind_null(stmt_, index);
    return *this;
}

bool Statement::next() {
    if (!ok()) return false;
    const int code = sqlite3_step(stmt_);
    if (code == SQLITE_ROW) return true;
    if (code != SQLITE_DONE) {
        connection_.noteFailure(code);
        failed_ = true;
    }
    return false;
}

bool Statement::run() {
    next();
    const bool succeeded = ok();
    reset();
    return succeeded;
}

void Statement::reset() {
    if (stmt_) sqlite3_reset(stmt_);
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

QString Statement::text(int column) const {
    const std::string_view view = textView(column);
    return QString::fromUtf8(view.data(), static_cast<qsizetype>(view.size()));
}

std::string_view Statement::textView(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    const int size = sqlite3_column_bytes(stmt_, column);
    return text ? std::string_view(text, static_cast<std::size_t>(size)) : std::string_view();
}

QByteArray Statement::blob(int column) const {
    const void* bytes = sqlite3_column_blob(stmt_, column);
    const int size = sqlite3_column_bytes(stmt_, column);
    return bytes ? QByteArray(static_cast<const char*>(bytes), size) : QByteArray();
}

Transaction::Transaction(Connection& connection) : connection_(connection) {
    begun_ = connection_.run("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (begun_ && !done_) {
        // Keep the failure that made the caller give up, not the rollback's.
        Failure failure = connection_.failure();
        connection_.run("ROLLBACK");
        connection_.keepFailure(std::move(failure));
    }
}

bool Transaction::commit() {
    if (!begun_ || done_) return false;
    done_ = connection_.run("COMMIT");
    return done_;
}

}  // namespace markwell::sqlite
