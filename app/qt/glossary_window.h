// The modeless single-word window: the glossary of a clicked word in one box, and a button that
// closes it. It stays open beside the main window while the user clicks on other words.
#pragma once

#include <QDialog>

class QTextEdit;

namespace kavro::gui {

class GlossaryWindow : public QDialog {
    Q_OBJECT
public:
    explicit GlossaryWindow(QWidget* parent);
    void showGlossary(const QString& text, const QFont& font);
    QTextEdit* box() const { return box_; }

private:
    QTextEdit* box_;
};

}  // namespace kavro::gui
