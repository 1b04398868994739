// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "core/settings/QSettingsStore.h"

#include "core/files/PrivateFiles.h"
#include "core/settings/SettingsNames.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <fcntl.h>
#include <unistd.h>

namespace markwell {
namespace {

struct QSettingsStoreText {
    Q_DECLARE_TR_FUNCTIONS(QSettingsStore)
};

// QSettings reads "/" and "\" in a key as group separators, so each name is
// escaped before it becomes part of a key: "%" -> "%25", "/" -> "%2F",
// "\" -> "%5C". QSettings escapes everything else itself (spaces, angle
// brackets, accented letters) and gives it back unchanged.
QString escapeName(const QString& name) {
    QString out;
    out.reserve(name.size());
    for (QChar ch : name) {
        if (ch == QLatin1Char('%')) out += QLatin1String("%25");
        else if (ch == QLatin1Char('/')) out += QLatin1String("%2F");
        else if (ch == QLatin1Char('\\')) out += QLatin1String("%5C");
        else out += ch;
    }
    return out;
}

QString unescapeName(const QString& key) {
    QString out;
    out.reserve(key.size());
    for (qsizetype i = 0; i < key.size(); ++i) {
        if (key[i] == QLatin1Char('%') && i + 2 < key.size()) {
            const QStringView code = QStringView(key).mid(i + 1, 2);
            if (code == QLatin1String("25")) {
                out += QLatin1Char('%');
                i += 2;
                continue;
            }
            if (code == QLatin1String("2F")) {
                out += QLatin1Char('/');
                i += 2;
                continue;
            }
            if (code == QLatin1String("5C")) {
                out += QLatin1Char('\\');
                i += 2;
                continue;
            }
        }
        out += key[i];
    }
    return out;
}

// The QSettings key of a group (and a value in it), or nothing when a name is
// empty: an empty name would silently address the enclosing group.
std::optional<QString> keyOf(const SettingsGroup& group, const QString* name = nullptr) {
    if (group.isEmpty() && name == nullptr) return QString();
    QStringList parts;
    for (const QString& part : group) {
        if (part.isEmpty()) return std::nullopt;
        parts << escapeName(part);
    }
    if (name != nullptr) {
        if (name->isEmpty()) return std::nullopt;
        parts << escapeName(*name);
    }
    return parts.join(QLatin1Char('/'));
}

QStringList unescaped(const QStringList& keys) {
    QStringList names;
    names.reserve(keys.size());
    for (const QString& key : keys) names << unescapeName(key);
    return names;
}

}  // namespace

QSettingsStore::QSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, settingsOrganizationName(),
                                            settingsApplicationName())) {
    makePrivate(fileName());
}

QSettingsStore::QSettingsStore(const QString& iniPath)
    : settings_(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {
    makePrivate(fileName());
}

void QSettingsStore::prepareWrite() {
    if (filePrivate_) return;
    filePrivate_ = true;
    // QSettings rewrites an existing file with its permissions, but makes a
    // new one readable by all: the file is made first, private.
    const QString path = fileName();
    if (!makePrivateFolder(QFileInfo(path).absolutePath())) return;
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, kPrivateFileMode);
    if (fd >= 0) ::close(fd);
    makePrivate(path);
}

QSettingsStore::~QSettingsStore() = default;

QString QSettingsStore::fileName() const {
    return settings_->fileName();
}

QStringList QSettingsStore::namesIn(const SettingsGroup& group, QStringList (QSettings::*list)() const) const {
    const std::optional<QString> key = keyOf(group);
    if (!key) return {};
    settings_->beginGroup(*key);
    const QStringList names = (settings_.get()->*list)();
    settings_->endGroup();
    return unescaped(names);
}

QStringList QSettingsStore::childGroups(const SettingsGroup& group) const {
    return namesIn(group, &QSettings::childGroups);
}

QStringList QSettingsStore::valueNames(const SettingsGroup& group) const {
    return namesIn(group, &QSettings::childKeys);
}

std::optional<QString> QSettingsStore::readString(const SettingsGroup& group, const QString& name) const {
    const std::optional<QString> key = keyOf(group, &name);
    if (!key) return std::nullopt;
    const QVariant value = settings_->value(*key);
    if (!value.isValid()) return std::nullopt;
    // A hand-edited file may hold 90,100 without quotes, which QSettings
    // reads as a list.
    if (value.userType() == QMetaType::QStringList) return value.toStringList().join(QLatin1Char(','));
    return value.toString();
}

std::optional<std::int32_t> QSettingsStore::readInteger(const SettingsGroup& group, const QString& name) const {
    const std::optional<QString> text = readString(group, name);
    if (!text) return std::nullopt;
    bool ok = false;
    const qlonglong number = text->trimmed().toLongLong(&ok);
    if (!ok || number < INT32_MIN || number > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(number);
}

void QSettingsStore::writeString(const SettingsGroup& group, const QString& name, const QString& value) {
    prepareWrite();
    if (const std::optional<QString> key = keyOf(group, &name)) settings_->setValue(*key, value);
}

void QSettingsStore::writeInteger(const SettingsGroup& group, const QString& name, std::int32_t value) {
    prepareWrite();
    if (const std::optional<QString> key = keyOf(group, &name)) settings_->setValue(*key, value);
}

void QSettingsStore::removeValue(const SettingsGroup& group, const QString& name) {
    prepareWrite();
    if (const std::optional<QString> key = keyOf(group, &name)) settings_->remove(*key);
}

void QSettingsStore::removeGroup(const SettingsGroup& group) {
    // The top itself is never removed as a "group": that would wipe the store.
    if (group.isEmpty()) return;
    prepareWrite();
    if (const std::optional<QString> key = keyOf(group)) settings_->remove(*key);
}

Result<void> QSettingsStore::flush() {
    settings_->sync();
    switch (settings_->status()) {
    case QSettings::NoError: return {};
    case QSettings::AccessError:
        return fail(
            QSettingsStoreText::tr("Unable to save the settings in %1: the file cannot be written.").arg(fileName()));
    case QSettings::FormatError:
        return fail(QSettingsStoreText::tr("Unable to save the settings in %1: the file is damaged.").arg(fileName()));
    }
    return {};
}

}  // namespace markwell
