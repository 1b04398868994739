// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/editors/EditorSupport.h"

#include "gui/shared/FileFilters.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>

namespace markwell {
namespace {

struct EditorSupport {
    Q_DECLARE_TR_FUNCTIONS(EditorSupport)
};

class KeyAction : public QObject {
public:
    KeyAction(QObject* parent, std::initializer_list<int> keys, std::function<void()> action)
        : QObject(parent), keys_(keys), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
            if (plain && keys_.contains(key->key())) {
                // The key is this box's: no shortcut takes it, and it runs once, on the press.
                if (event->type() == QEvent::ShortcutOverride) {
                    event->accept();
                    return true;
                }
                action_();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QList<int> keys_;
    std::function<void()> action_;
};

}  // namespace

void onKeys(QWidget* widget, std::initializer_list<int> keys, std::function<void()> action) {
    widget->installEventFilter(new KeyAction(widget, keys, std::move(action)));
}

QPushButton* commandButton(const QString& text, const char* objectName) {
    auto* button = new QPushButton(text);
    button->setObjectName(QLatin1String(objectName));
    button->setAutoDefault(false);
    return button;
}

void addAcceptShortcut(QDialog* dialog) {
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)}) {
        auto* shortcut = new QShortcut(keys, dialog);
        QObject::connect(shortcut, &QShortcut::activated, dialog, &QDialog::accept);
    }
}

UserDialogs::FileRequest importFileRequest(const QString& classPath) {
    return gradeFileRequest(EditorSupport::tr("Open Markwell File"),
                            classPath.isEmpty() ? QDir::homePath() : QFileInfo(classPath).absolutePath());
}

}  // namespace markwell
