#include "app/qt/dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTextEdit>
#include <QVBoxLayout>

#include <utility>

#include "app/option_commands.h"
#include "app/qt/engine_text.h"
#include "core/engine.h"
#include "core/host.h"
#include "core/product.h"
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

QString qtText(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// One of the search dialog's lists; the entry without a label (nothing chosen) shows its header
// name. The entries keep their codes.
QListWidget* choiceList(std::span<const SearchChoice> choices, QWidget* parent) {
    auto* list = new QListWidget(parent);
    for (const SearchChoice& choice : choices) {
        auto* entry = new QListWidgetItem(qtText(choice.label.empty() ? choice.headerName : choice.label), list);
        entry->setData(Qt::UserRole, choice.code);
    }
    return list;
}

void selectCode(QListWidget* list, std::uint8_t code) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->data(Qt::UserRole).toInt() == code) list->setCurrentRow(i);
}

std::uint8_t selectedCode(const QListWidget* list) {
    const QListWidgetItem* chosen = list->currentItem();
    return chosen ? static_cast<std::uint8_t>(chosen->data(Qt::UserRole).toInt()) : kAnyCode;
}

QLineEdit* searchField(std::size_t length, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setMaxLength(static_cast<int>(length));
    field->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    return field;
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

SearchDlg::SearchDlg(const SearchDialogValues& values, Host& host, QWidget* parent)
    : QDialog(parent), host_(host) {
    setWindowTitle("Search Dialogue");
    auto* kind = new QGroupBox("Text- Search- Word", this);
    text_ = new QRadioButton("Text", kind);
    word_ = new QRadioButton("Word", kind);
    auto* kindRow = new QHBoxLayout(kind);
    kindRow->addWidget(text_);
    kindRow->addWidget(word_);
    item_ = searchField(kSearchItemLength, this);
    exclusion_ = searchField(kExclusionItemLength, this);
    andItem_ = searchField(kAndItemLength, this);
    partOfSpeech_ = choiceList(partOfSpeechChoices(), this);
    caseTense_ = choiceList(caseTenseChoices(), this);
    connect(word_, &QRadioButton::toggled, andItem_, [this](bool word) { andItem_->setEnabled(!word); });
    auto* form = new QFormLayout;
    form->addRow(kind);
    form->addRow("Search item", item_);
    form->addRow("Exclude", exclusion_);
    form->addRow("And", andItem_);
    auto* lists = new QHBoxLayout;
    for (auto [title, list] : {std::pair{"Part of speech", partOfSpeech_}, std::pair{"Case / tense", caseTense_}}) {
        auto* box = new QGroupBox(title, this);
        (new QVBoxLayout(box))->addWidget(list);
        lists->addWidget(box);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(lists);
    layout->addWidget(okCancel(this));
    setValues(values);
}

void SearchDlg::setValues(const SearchDialogValues& values) {
    (values.kind == SearchKind::Word ? word_ : text_)->setChecked(true);
    andItem_->setEnabled(values.kind == SearchKind::Text);
    item_->setText(toQt(values.item));
    exclusion_->setText(toQt(values.exclusion));
    andItem_->setText(toQt(values.andItem));
    selectCode(partOfSpeech_, values.partOfSpeech);
    selectCode(caseTense_, values.caseTense);
}

SearchDialogValues SearchDlg::values() const {
    SearchDialogValues values;
    values.kind = word_->isChecked() ? SearchKind::Word : SearchKind::Text;
    values.item = toEngine(item_->text());
    values.exclusion = toEngine(exclusion_->text());
    values.andItem = toEngine(andItem_->text());
    values.partOfSpeech = selectedCode(partOfSpeech_);
    values.caseTense = selectedCode(caseTense_);
    return values;
}

void SearchDlg::accept() {
    if (const std::string_view refusal = searchDialogRefusal(values()); !refusal.empty()) {
        host_.message(refusal);
        return;
    }
    QDialog::accept();
}

void showAboutBox(QWidget* parent) {
    QMessageBox::about(parent, "About Kavro Latin",
                       QString("Kavro Latin %1\n\nA Latin-to-English translator: type or paste Latin "
                               "on the left, press Translate, and read the English on the right. "
                               "Click a word to see all it can be.")
                           .arg(KAVRO_VERSION_STRING));
}

}  // namespace kavro::gui
