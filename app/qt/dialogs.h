// The option dialogs and the dictionary search: "Single Word Options", the font and background
// dialog, "Search Dictionary" and the About box.
#pragma once

#include <QDialog>

#include "core/view_options.h"
#include "search/search_request.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QRadioButton;
class QSpinBox;
class QTextEdit;

namespace kavro {
class Host;
struct Engine;
}

namespace kavro::gui {

// "Single Word Options": where a clicked word's translation goes.
class CSingleWordOptions : public QDialog {
    Q_OBJECT
public:
    CSingleWordOptions(int target, QWidget* parent);
    int target() const;

private:
    QButtonGroup* choices_;
};

// "Select font and size.": size, face, background and bold of the boxes.
class FontDialog : public QDialog {
    Q_OBJECT
public:
    FontDialog(const ViewOptions& options, QWidget* parent);
    // Copies the choices into the options; true when the fonts or background changed.
    bool apply(ViewOptions& options) const;

private:
    QSpinBox* size_;
    QComboBox* face_;
    QComboBox* background_;
    QCheckBox* bold_;
};

// "Search Dictionary": the stems beginning with the letters typed, in a fixed-width font.
class Dictionary : public QDialog {
    Q_OBJECT
public:
    Dictionary(Engine& engine, QWidget* parent);
    void search();
    QLineEdit* letters() const { return letters_; }
    QTextEdit* report() const { return report_; }

private:
    Engine& engine_;
    QLineEdit* letters_;
    QTextEdit* report_;
};

// "Search Dialogue": text or word search, the search item, the exclusion and "And" items (the
// latter for a text search only) and the part-of-speech and case/tense lists. OK is refused,
// with the refusal in a box through the host, while the values cannot be searched for.
class SearchDlg : public QDialog {
    Q_OBJECT
public:
    SearchDlg(const SearchDialogValues& values, Host& host, QWidget* parent);
    void setValues(const SearchDialogValues& values);
    SearchDialogValues values() const;
    void accept() override;

private:
    Host& host_;
    QRadioButton* text_;
    QRadioButton* word_;
    QLineEdit* item_;
    QLineEdit* exclusion_;
    QLineEdit* andItem_;
    QListWidget* partOfSpeech_;
    QListWidget* caseTense_;
};

// The About box.
void showAboutBox(QWidget* parent);

}  // namespace kavro::gui
