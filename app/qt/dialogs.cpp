#include "app/qt/dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QVBoxLayout>

#include "app/option_commands.h"
#include "app/qt/engine_text.h"
#include "job/engine.h"
#include "job/product.h"
#include "morph/dictionary_listing.h"

namespace kavro::gui {
namespace {

constexpr int kFontSizeMin = 8;
constexpr int kFontSizeMax = 14;
constexpr const char* kFontFaces[] = {"Arial (non-Serif)", "Roman (Serif)", "Courier (fixed-width)"};
constexpr const char* kBackgrounds[] = {"White", "Yellow", "Grey"};
constexpr const char* kFontNote =
    "Use of this option may truncate lengthy text in the Latin and Translation boxes. "
    "Spell-checking will also be lost.";

QDialogButtonBox* okCancel(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

}  // namespace

CSingleWordOptions::CSingleWordOptions(int target, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Single Word Options");
    choices_ = new QButtonGroup(this);
    auto* layout = new QVBoxLayout(this);
    int id = 0;
    for (std::string_view text : kSingleWordTargets) {
        auto* choice = new QRadioButton(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), this);
        choices_->addButton(choice, id);
        choice->setChecked(id == target);
        layout->addWidget(choice);
        ++id;
    }
    layout->addWidget(okCancel(this));
}

int CSingleWordOptions::target() const { return std::max(0, choices_->checkedId()); }

FontDialog::FontDialog(const ViewOptions& options, QWidget* parent) : QDialog(parent) {
    setWindowTitle("Select font and size.");
    size_ = new QSpinBox(this);
    size_->setRange(kFontSizeMin, kFontSizeMax);
    size_->setValue(options.fontSize);
    face_ = new QComboBox(this);
    for (const char* face : kFontFaces) face_->addItem(face);
    face_->setCurrentIndex(options.fontType);
    background_ = new QComboBox(this);
    for (const char* background : kBackgrounds) background_->addItem(background);
    background_->setCurrentIndex(options.background);
    bold_ = new QCheckBox("Bold", this);
    bold_->setChecked(options.fontBold);
    auto* note = new QLabel(kFontNote, this);
    note->setWordWrap(true);
    auto* form = new QFormLayout(this);
    form->addRow("Size", size_);
    form->addRow("Font", face_);
    form->addRow("Background", background_);
    form->addRow(bold_);
    form->addRow(note);
    form->addRow(okCancel(this));
}

bool FontDialog::apply(ViewOptions& options) const {
    const bool changed = options.fontSize != size_->value() || options.fontType != face_->currentIndex() ||
                         options.fontBold != bold_->isChecked() ||
                         options.background != background_->currentIndex();
    options.fontSize = size_->value();
    options.fontType = face_->currentIndex();
    options.fontBold = bold_->isChecked();
    options.background = background_->currentIndex();
    return changed;
}

Dictionary::Dictionary(Engine& engine, QWidget* parent) : QDialog(parent), engine_(engine) {
    setWindowTitle("Search Dictionary");
    letters_ = new QLineEdit(this);
    letters_->setObjectName("letters");
    auto* search = new QPushButton("Search", this);
    search->setDefault(true);
    report_ = new QTextEdit(this);
    report_->setReadOnly(true);
    report_->setLineWrapMode(QTextEdit::NoWrap);
    report_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* close = new QPushButton("Close", this);
    connect(search, &QPushButton::clicked, this, &Dictionary::search);
    connect(letters_, &QLineEdit::returnPressed, this, &Dictionary::search);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel("First letters of the stem:", this));
    row->addWidget(letters_);
    row->addWidget(search);
    layout->addLayout(row);
    layout->addWidget(report_);
    layout->addWidget(close);
    resize(720, 480);
}

void Dictionary::search() {
    const std::string letters = toEngine(letters_->text());
    if (letters.find_first_not_of(' ') == std::string::npos) return;
    report_->setPlainText(toQt(listDictionaryStems(engine_, letters, ListingStyle::Dialog)));
}

void showAboutBox(QWidget* parent) {
    QMessageBox::about(parent, "About Kavro Latin",
                       QString("Kavro Latin %1\n\nA Latin-to-English translator: type or paste Latin "
                               "on the left, press Translate, and read the English on the right. "
                               "Click a word to see all it can be.")
                           .arg(KAVRO_VERSION_STRING));
}

}  // namespace kavro::gui
