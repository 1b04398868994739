#include "pages/SeatingPage.h"

#include "help/HelpTopics.h"

#include <QLabel>
#include <QVBoxLayout>

namespace markwell {

SeatingPage::SeatingPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("seatingPage"));
    setHelpTopic(this, HelpTopic::Seating);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    auto* note = new QLabel(tr("The seating chart is not available yet in this version of Markwell.\n"
                                "The seats of this class are kept and saved with it."));
    note->setAlignment(Qt::AlignCenter);
    note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note);
}

}  // namespace markwell
