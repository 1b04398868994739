// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Computerized Markwell developers

#pragma once

#include "render/paging/Printout.h"

#include <memory>

class QTextDocument;

namespace markwell {

// A text document printed page by page, portrait: the student page of the
// student list.
class TextPrintout : public Printout {
public:
    TextPrintout(std::unique_ptr<QTextDocument> document, QString title);
    ~TextPrintout() override;

    QString title() const override { return title_; }
    QPageLayout::Orientation orientationFor(const QPageLayout& layout) const override;
    int layOut(const QPaintDevice& device) override;
    void drawPage(QPainter& painter, int index) const override;

private:
    std::unique_ptr<QTextDocument> document_;
    QString title_;
    double pageHeight_ = 0;
};

}  // namespace markwell
