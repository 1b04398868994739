// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "gui/help/AboutDialog.h"

#include "gui/shared/HelpTopics.h"
#include "gui/shared/Icons.h"
#include "gui/shared/UserDialogs.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace markwell {

QString AboutDialog::contactAddress() {
    return QStringLiteral("markwell@larkhaven.example");
}

QUrl AboutDialog::contactUrl() {
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(contactAddress());
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Computerized Markwell"));
    url.setQuery(query);
    return url;
}

AboutDialog::AboutDialog(UserDialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
    setWindowTitle(tr("About Markwell"));
    setObjectName(QStringLiteral("aboutDialog"));
    setHelpTopic(this, HelpTopic::About);

    auto* picture = new QLabel;
    picture->setPixmap(applicationIcon().pixmap(64, 64));
    picture->setAlignment(Qt::AlignTop);

    auto* name = new QLabel(tr("Computerized Markwell"));
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.5);
    nameFont.setBold(true);
    name->setFont(nameFont);
    auto* version = new QLabel(tr("Version 2.0"));
    version->setObjectName(QStringLiteral("versionLabel"));
    auto* purpose = new QLabel(tr("A class record for teachers: grades, attendance and seating."));
    purpose->setWordWrap(true);
    auto* licence = new QLabel(
        tr("Copyright 2026 The Computerized Markwell developers.<br>Markwell is free software: you may share and "
           "change it under the terms of the <a href=\"%1\">GNU General Public License</a>, version 3 or any later "
           "version. It comes with no warranty.")
            .arg(QStringLiteral("https://www.gnu.org/licenses/gpl-3.0.html")));
    licence->setObjectName(QStringLiteral("licenceLabel"));
    licence->setWordWrap(true);
    licence->setTextFormat(Qt::RichText);
    licence->setOpenExternalLinks(false);
    connect(licence, &QLabel::linkActivated, this, [this](const QString& link) { dialogs_.openUrl(QUrl(link)); });

    auto* contactBox = new QGroupBox(tr("Contact"));
    auto* contact = new QLabel(
        QStringLiteral("<a href=\"%1\">%2</a>")
            .arg(contactUrl().toString(QUrl::FullyEncoded).toHtmlEscaped(), contactAddress().toHtmlEscaped()));
    contact->setObjectName(QStringLiteral("contactLabel"));
    contact->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    contact->setCursor(Qt::PointingHandCursor);
    contact->setToolTip(tr("Write to us"));
    connect(contact, &QLabel::linkActivated, this, [this] { writeToContact(); });
    auto* contactLayout = new QHBoxLayout(contactBox);
    contactLayout->addWidget(contact);
    contactLayout->addStretch();

    auto* text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(version);
    text->addWidget(purpose);
    text->addWidget(licence);
    text->addWidget(contactBox);

    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QDialogButtonBox;
    QPushButton* close = buttons->addButton(tr("&Close"), QDialogButtonBox::AcceptRole);
    close->setObjectName(QStringLiteral("closeButton"));
    close->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    setFixedWidth(400);
}

void AboutDialog::writeToContact() {
    dialogs_.openUrl(contactUrl());
}

}  // namespace markwell
