#include "app/qt/glossary_window.h"

#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace kavro::gui {

GlossaryWindow::GlossaryWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Single Word Translation");
    setModal(false);
    box_ = new QTextEdit(this);
    box_->setReadOnly(true);
    auto* exit = new QPushButton("Click here to Exit", this);
    connect(exit, &QPushButton::clicked, this, &QDialog::hide);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box_);
    layout->addWidget(exit);
    resize(420, 320);
}

void GlossaryWindow::showGlossary(const QString& text, const QFont& font) {
    box_->setFont(font);
    box_->setPlainText(text);
    show();
    raise();
}

}  // namespace kavro::gui
