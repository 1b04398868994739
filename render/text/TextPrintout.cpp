// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#include "render/text/TextPrintout.h"

#include <QAbstractTextDocumentLayout>
#include <QPaintDevice>
#include <QPainter>
#include <QTextDocument>

namespace markwell {

TextPrintout::TextPrintout(std::unique_ptr<QTextDocument> document, QString title)
    : document_(std::move(document)), title_(std::move(title)) {}

TextPrintout::~TextPrintout() = default;

QPageLayout::Orientation TextPrintout::orientationFor(const QPageLayout&) const {
    return QPageLayout::Portrait;
}

int TextPrintout::layOut(const QPaintDevice& device) {
    // The layout only reads the device's metrics, so that type sizes in
    // points come out right at its resolution.
    document_->documentLayout()->setPaintDevice(const_cast<QPaintDevice*>(&device));
    pageHeight_ = device.height();
    document_->setPageSize(QSizeF(device.width(), pageHeight_));
    return document_->pageCount();
}

void TextPrintout::drawPage(QPainter& painter, int index) const {
    const QRectF page(0, index * pageHeight_, document_->pageSize().width(), pageHeight_);
    painter.translate(0, -page.top());
    painter.setClipRect(page);
    document_->drawContents(&painter, page);
}

}  // namespace markwell
