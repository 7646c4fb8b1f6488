// The frame's file commands: the file dialogs with their refused names, opening, saving and
// reloading translations, the spell-check of a file, printing.
#include "app/qt/main_frame.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTextEdit>

#include "app/file_choice.h"
#include "app/qt/dialogs.h"
#include "app/qt/engine_text.h"
#include "app/qt/kavro_view.h"
#include "app/qt/printing.h"
#include "app/qt/qt_host.h"
#include "app/search_commands.h"
#include "app/spell_check_command.h"
#include "app/translation_files.h"
#include "core/regular_file.h"
#include "search/file_list.h"

namespace kavro::gui {
namespace {

namespace fs = std::filesystem;

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The dialog's filters: text files first, then all files.
QString fileFilters() {
    return text(kTextFilesFilter) + " (*.txt *.asc *.Txt *.Asc *.TXT *.ASC);;" + text(kAllFilesFilter) + " (*)";
}

constexpr const char* kSearchFolderTitle = "Locate directory to search";

}  // namespace
std::optional<fs::path> CMainFrame::chooseFile(bool forSaving, bool askBeforeReplacing) {
    QFileDialog dialog(this, text(forSaving ? kSaveResultTitle : kOpenLatinTitle));
    dialog.setNameFilter(fileFilters());
    dialog.setDefaultSuffix(text(kDefaultExtension));
    dialog.setAcceptMode(forSaving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSaving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !askBeforeReplacing);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    const fs::path chosen = dialog.selectedFiles().first().toStdString();
    if (const auto refused = refusedFileMessage(chosen)) {
        host_->message(*refused);
        return std::nullopt;
    }
    return chosen;
}

void CMainFrame::openLatinFile(const fs::path& file) {
    if (const auto refused = refusedFileMessage(file)) {
        host_->message(*refused);
        return;
    }
    view_->translateFile(file);
}

void CMainFrame::saveTranslationTo(const fs::path& file) {
    if (const auto refused = refusedFileMessage(file)) {
        host_->message(*refused);
        return;
    }
    Engine& engine = view_->engine();
    const bool whole = engine.translationText.find("\nTRUNCATED.") == std::string::npos;
    saveTranslationAs(engine, file, toEngine(view_->translationBox()->toPlainText()), whole);
}

void CMainFrame::reloadTranslationFrom(const fs::path& file) {
    if (const auto refused = refusedFileMessage(file)) {
        host_->message(*refused);
        return;
    }
    if (const auto reloaded = reloadTranslation(view_->engine(), file)) {
        view_->translationBox()->setPlainText(toQt(reloaded->text));
        view_->translationBox()->setReadOnly(!reloaded->editable);
    }
}

void CMainFrame::openCommand() {
    if (const auto file = chooseFile(false)) openLatinFile(*file);
}

void CMainFrame::renameCommand() {
    if (const auto file = chooseFile(true)) saveTranslationTo(*file);
}

void CMainFrame::reloadCommand() {
    if (const auto file = chooseFile(false)) reloadTranslationFrom(*file);
}

void CMainFrame::printCommand(bool preview) {
    const ReadFile log = readRegularFile(view_->engine().file("parser.txt"));
    if (!log.ok) {
        host_->message(kLogUnopenable);
        return;
    }
    if (!printer_) printer_ = new QPrinter;
    const QFont font = view_->translationBox()->font();
    if (preview) {
        QPrintPreviewDialog dialog(printer_, this);
        connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
                [&](QPrinter* printer) { printLog(*printer, log.content, font); });
        dialog.exec();
        return;
    }
    QPrintDialog dialog(printer_, this);
    if (dialog.exec() == QDialog::Accepted) printLog(*printer_, log.content, font);
}

void CMainFrame::spellCheckCommand() {
    if (const auto file = chooseFile(false)) spellCheckOf(*file);
}

void CMainFrame::spellCheckOf(const fs::path& file) {
    if (view_->jobRunning()) return;
    if (const auto refused = refusedFileMessage(file)) {
        host_->message(*refused);
        return;
    }
    if (const auto result = spellCheckFile(view_->engine(), file)) view_->showSpellCheck(*result);
}

std::optional<fs::path> CMainFrame::chooseSearchFolder() {
    QFileDialog dialog(this, kSearchFolderTitle);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly, true);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    if (dialog.selectedFiles().isEmpty()) {
        host_->message(kFolderChooserError);
        return std::nullopt;
    }
    return fs::path(dialog.selectedFiles().first().toStdString());
}

void CMainFrame::createFileListCommand() {
    if (const auto folder = chooseSearchFolder()) createFileListIn(*folder);
}

void CMainFrame::createFileListIn(const fs::path& folder) {
    if (view_->jobRunning()) return;
    // A refused folder is not remembered: the next search asks for its folder again.
    if (searchFolderRefusal(view_->programFolder(), folder).empty()) searchFolder_ = folder;
    createFileList(*host_, view_->programFolder(), folder);
}

void CMainFrame::searchFileListCommand() {
    if (view_->jobRunning()) return;
    SearchDlg dialog(searchValues_, *host_, this);
    if (dialog.exec() != QDialog::Accepted) return;
    searchValues_ = dialog.values();
    // Without a folder chosen in this run, the list of the folder chosen now is searched as it
    // stands, its header unchecked.
    const bool chosenNow = searchFolder_.has_value();
    const std::optional<fs::path> folder = chosenNow ? searchFolder_ : chooseSearchFolder();
    if (!folder) return;
    searching_ = true;
    view_->searchFileList(searchValues_, *folder, chosenNow);
}

void CMainFrame::saveSearchResultsCommand() {
    if (const auto file = chooseFile(true, false)) saveSearchResultsTo(*file);
}

void CMainFrame::saveSearchResultsTo(const fs::path& file) {
    if (view_->jobRunning()) return;
    if (const auto refused = refusedFileMessage(file)) {
        host_->message(*refused);
        return;
    }
    saveSearchResultsAs(*host_, view_->programFolder(), file);
}

}  // namespace kavro::gui
