// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/options/MailServerPage.h"

#include "core/mail/FamilyAddresses.h"
#include "gui/mail/MailPasswords.h"
#include "gui/shared/UserDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>

namespace markwell {
namespace {

QLineEdit* lineEdit(const QString& objectName, const QString& text) {
    auto* edit = new QLineEdit(text);
    edit->setObjectName(objectName);
    return edit;
}

}  // namespace

MailServerPage::MailServerPage(const MailServerSettings& current, MailPasswords& passwords, UserDialogs& dialogs,
                               QWidget* parent)
    : QWidget(parent), passwords_(passwords), dialogs_(dialogs), shownSecurity_(current.security),
      server_(lineEdit(QStringLiteral("mailServer"), current.host)), port_(new QSpinBox), security_(new QComboBox),
      user_(lineEdit(QStringLiteral("mailUser"), current.user)),
      password_(lineEdit(QStringLiteral("mailPassword"), {})),
      forgetPassword_(new QCheckBox(tr("Fo&rget the kept password"))),
      senderName_(lineEdit(QStringLiteral("senderName"), current.senderName)),
      senderAddress_(lineEdit(QStringLiteral("senderAddress"), current.senderAddress)),
      caFile_(lineEdit(QStringLiteral("caFile"), current.caFile)), pause_(new QDoubleSpinBox) {
    setObjectName(QStringLiteral("mailServerPage"));
    port_->setObjectName(QStringLiteral("mailPort"));
    port_->setRange(1, 65535);
    port_->setValue(current.port);
    security_->setObjectName(QStringLiteral("mailSecurity"));
    security_->addItem(tr("STARTTLS"), static_cast<int>(MailSecurity::StartTls));
    security_->addItem(tr("TLS"), static_cast<int>(MailSecurity::Tls));
    security_->addItem(tr("None"), static_cast<int>(MailSecurity::None));
    security_->setCurrentIndex(security_->findData(static_cast<int>(current.security)));
    password_->setEchoMode(QLineEdit::Password);
    password_->setPlaceholderText(tr("kept in the desktop's keyring"));
    forgetPassword_->setObjectName(QStringLiteral("forgetMailPassword"));
    server_->setPlaceholderText(tr("smtp.school.example"));
    senderAddress_->setPlaceholderText(tr("teacher@school.example"));
    pause_->setObjectName(QStringLiteral("mailPause"));
    pause_->setRange(0, kLongestMailPauseMs / 1000.0);
    pause_->setDecimals(1);
    pause_->setSingleStep(0.1);
    pause_->setSuffix(tr(" s"));
    pause_->setValue(current.pauseMs / 1000.0);

    auto* browse = new QPushButton(tr("&Browse..."));
    browse->setObjectName(QStringLiteral("browseCaFile"));
    connect(browse, &QPushButton::clicked, this, &MailServerPage::chooseCaFile);
    auto* caRow = new QHBoxLayout;
    caRow->addWidget(caFile_);
    caRow->addWidget(browse);

    auto* form = new QFormLayout;
    form->addRow(tr("&Server"), server_);
    form->addRow(tr("Por&t"), port_);
    form->addRow(tr("Securit&y"), security_);
    form->addRow(tr("&User name"), user_);
    form->addRow(tr("Pass&word"), password_);
    form->addRow(forgetPassword_);
    form->addRow(tr("Sender's &name"), senderName_);
    form->addRow(tr("Sender's a&ddress"), senderAddress_);
    form->addRow(tr("CA &file"), caRow);
    form->addRow(tr("&Pause between messages"), pause_);
    auto* note = new QLabel(tr("Leave the server empty to send through your mail program. Some providers (Gmail, "
                               "Microsoft 365) take only an app password here."));
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(note);
    layout->addStretch();
    connect(security_, &QComboBox::currentIndexChanged, this, &MailServerPage::securityChanged);
}

MailServerSettings MailServerPage::settings() const {
    MailServerSettings s;
    s.host = server_->text().trimmed();
    s.port = port_->value();
    s.security = static_cast<MailSecurity>(security_->currentData().toInt());
    s.user = user_->text().trimmed();
    s.senderName = senderName_->text().trimmed();
    s.senderAddress = senderAddress_->text().trimmed();
    s.caFile = caFile_->text().trimmed();
    s.pauseMs = static_cast<int>(std::lround(pause_->value() * 1000));
    return s;
}

void MailServerPage::securityChanged() {
    const auto security = static_cast<MailSecurity>(security_->currentData().toInt());
    if (port_->value() == defaultMailPort(shownSecurity_)) port_->setValue(defaultMailPort(security));
    shownSecurity_ = security;
}

void MailServerPage::chooseCaFile() {
    UserDialogs::FileRequest request;
    request.title = tr("Certificate Authority");
    request.filters = {tr("Certificates (*.pem *.crt *.cer)"), tr("All Files (*)")};
    request.folder = caFile_->text().isEmpty() ? QString() : QFileInfo(caFile_->text()).absolutePath();
    const QString path = dialogs_.openFile(this, request);
    if (!path.isEmpty()) caFile_->setText(path);
}

void MailServerPage::refuse(const QString& message, QWidget* box) {
    dialogs_.inform(this, message);
    box->setFocus();
}

bool MailServerPage::check() {
    const MailServerSettings s = settings();
    // An empty server is a choice: mail then goes through the mail program.
    if (s.host.isEmpty()) return true;
    if (!isSendableAddress(s.senderAddress)) {
        refuse(tr("Please type the sender's e-mail address: the messages go from it."), senderAddress_);
        return false;
    }
    if (!s.caFile.isEmpty() && !QFileInfo(s.caFile).isReadable()) {
        refuse(tr("The CA file %1 cannot be read.").arg(s.caFile), caFile_);
        return false;
    }
    if (const QString problem = mailServerProblem(s); !problem.isEmpty()) {
        refuse(problem, security_);
        return false;
    }
    return true;
}

bool MailServerPage::storePassword() {
    const MailServerSettings s = settings();
    if (s.host.isEmpty() || s.user.isEmpty()) return true;
    const QString account = mailPasswordAccount(s.user, s.host, s.port);
    if (forgetPassword_->isChecked()) {
        if (const Result<void> forgotten = passwords_.forget(account); !forgotten) {
            dialogs_.warn(this, forgotten.message());
            return false;
        }
    }
    if (password_->text().isEmpty()) return true;
    if (const Result<void> stored = passwords_.store(account, password_->text()); !stored) {
        dialogs_.inform(this, stored.message() + QLatin1Char('\n') +
                                  tr("The password will be asked for each time messages are sent."));
    }
    password_->clear();
    return true;
}

}  // namespace markwell
