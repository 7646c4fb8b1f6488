// The frame's menus, built from the command tables, with their check marks and enabled states;
// the tool bar.
#include "app/qt/main_frame.h"

#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QTextEdit>
#include <QToolBar>

#include "app/menu_rules.h"
#include "app/option_commands.h"
#include "app/qt/dialogs.h"
#include "app/qt/kavro_view.h"
#include "app/qt/qt_host.h"

namespace kavro::gui {
namespace {

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

}  // namespace
QAction* CMainFrame::addCommand(QMenu* menu, std::string_view entry, std::function<void()> effect) {
    QAction* action = menu->addAction(text(entryLabel(entry)));
    action->setData(text(entry));
    if (const std::string_view keys = entryAccelerator(entry); !keys.empty())
        action->setShortcut(QKeySequence(text(keys)));
    connect(action, &QAction::triggered, this, [this, effect] {
        effect();
        refreshMenuStates();
    });
    actions_.push_back(action);
    return action;
}

QAction* CMainFrame::action(const QString& entry) const {
    for (QAction* a : actions_)
        if (a->data().toString() == entry) return a;
    return nullptr;
}

void CMainFrame::buildMenus() {
    QMenu* file = menuBar()->addMenu("&File");
    addCommand(file, "&Open\tCtrl+O", [this] { openCommand(); });
    addCommand(file, "&Rename File\tCtrl+R", [this] { renameCommand(); });
    addCommand(file, "Reload &Translation", [this] { reloadCommand(); });
    file->addSeparator();
    addCommand(file, "&Print...\tCtrl+P", [this] { printCommand(false); });
    addCommand(file, "Print Pre&view", [this] { printCommand(true); });
    addCommand(file, "P&rint Setup...", [this] {
        if (!printer_) printer_ = new QPrinter;
        QPageSetupDialog(printer_, this).exec();
    });
    file->addSeparator();
    addCommand(file, "E&xit", [this] { close(); });

    QMenu* edit = menuBar()->addMenu("&Edit");
    addCommand(edit, "&Empty Latin\tCtrl+E", [this] { view_->emptyLatin(); });
    addCommand(edit, "&Copy\tCtrl+C", [this] { editCommand([](QTextEdit* box) { box->copy(); }); });
    addCommand(edit, "C&ut\tCtrl+X", [this] { editCommand([](QTextEdit* box) { box->cut(); }); });
    addCommand(edit, "Pa&ste\tCtrl+V", [this] { editCommand([](QTextEdit* box) { box->paste(); }); });

    options_ = menuBar()->addMenu("&Options");
    buildOptionsMenu(options_);

    QMenu* tools = menuBar()->addMenu("&Tools");
    addCommand(tools, "&Search Dictionary\tCtrl+S", [this] { dictionaryCommand(); });
    addCommand(tools, "Spell &Check", [this] { spellCheckCommand(); });
    tools->addSeparator();
    addCommand(tools, "&Create File List...", [this] { createFileListCommand(); });
    addCommand(tools, "&Search File List...", [this] { searchFileListCommand(); });
    addCommand(tools, "Save Search &Results...", [this] { saveSearchResultsCommand(); });

    QMenu* help = menuBar()->addMenu("&Help");
    addCommand(help, "&Help\tCtrl+H", [this] { helpCommand(); });
    addCommand(help, "&About Kavro Latin...", [this] { showAboutBox(this); });
    // The menu rules are applied whenever a menu is shown.
    for (QMenu* menu : {file, edit, tools, help, options_})
        connect(menu, &QMenu::aboutToShow, this, [this] { refreshMenuStates(); });
    refreshMenuStates();
}

void CMainFrame::buildOptionsMenu(QMenu* options) {
    ViewOptions& o = view_->options();
    auto addToggles = [&](QMenu* menu, auto& table) {
        for (const ToggleEntry& entry : table) {
            QAction* a = addCommand(menu, entry.text, [&o, entry] { o.*entry.option = !(o.*entry.option); });
            a->setCheckable(true);
            stateRefreshers_.push_back([a, &o, entry] { a->setChecked(o.*entry.option); });
        }
    };
    QMenu* area = options->addMenu("Area Preferred");
    for (const AreaEntry& entry : kAreaEntries) {
        QAction* a = addCommand(area, entry.text, [&o, entry] { chooseArea(o, entry.code); });
        a->setCheckable(true);
        stateRefreshers_.push_back([a, &o, entry] { a->setChecked(!o.autoArea && o.area == entry.code); });
    }
    area->addSeparator();
    QAction* autoArea = addCommand(area, "&Auto-adjusting", [&o] { toggleAutoArea(o); });
    autoArea->setCheckable(true);
    QMenu* age = options->addMenu("Age Preferred");
    for (const AgeEntry& entry : kAgeEntries) {
        QAction* a = addCommand(age, entry.text, [&o, entry] { chooseAge(o, entry.age); });
        a->setCheckable(true);
        stateRefreshers_.push_back([a, &o, entry] { a->setChecked(o.age == entry.age); });
    }
    QMenu* order = options->addMenu("Word Order");
    for (const OrderEntry& entry : kWordOrderEntries) {
        QAction* a = addCommand(order, entry.text, [&o, entry] { o.bestOrder = entry.order; });
        a->setCheckable(true);
        stateRefreshers_.push_back([a, &o, entry] { a->setChecked(o.bestOrder == entry.order); });
    }
    addToggles(options->addMenu("User Phrases"), kUserPhraseToggles);
    QAction* easy = addCommand(options, "EASY &LATIN\tCtrl+L",
                               [this, &o] { host_->message(toggleEasyLatin(o)); });
    easy->setCheckable(true);
    options->addSeparator();
    addToggles(options, kLatinToggles);
    options->addSeparator();
    addToggles(options, kOutputToggles);
    options->addSeparator();
    addCommand(options, "Single &Word Mode\tCtrl+G", [this] { singleWordModeCommand(); });
    addToggles(options, kSingleWordToggles);
    options->addSeparator();
    addCommand(options, "Select &Font and Background Colour...", [this] { fontCommand(); });
    addCommand(options, "Save User Settings", [this] { saveSettingsCommand(); });
    options->addSeparator();
    QAction* hash = addCommand(options, "&Allow high-speed hash", [&o] { toggleHash(o); });
    hash->setCheckable(true);
    addToggles(options, kEngineToggles);

    stateRefreshers_.push_back([this, &o, autoArea, easy, hash] {
        const MenuStates states = applyMenuRules(o);
        autoArea->setEnabled(states.autoArea.enabled);
        autoArea->setChecked(o.autoArea);
        easy->setChecked(o.easyLatin);
        hash->setEnabled(states.allowHash.enabled);
        hash->setChecked(states.allowHash.checked);
        const std::pair<const char*, MenuEntryState> ruled[] = {
            {"&Details\tCtrl+D", states.details},
            {"&Joint Latin/English\tCtrl+J", states.jointOutput},
            {"Medieval P&honetics", states.medievalPhonetics},
            {"&Prefer NeoLatin Meanings", states.preferNeoLatin},
            {"&Prefer Medieval Meanings", states.preferMedieval},
            {"Botany, Horticultural", states.botany},
        };
        for (const auto& [entry, state] : ruled)
            if (QAction* a = action(entry)) a->setEnabled(state.enabled);
    });
}

bool CMainFrame::startUp() {
    const bool started = view_->startUp();
    refreshMenuStates();
    return started;
}

void CMainFrame::refreshMenuStates() {
    for (const auto& refresh : stateRefreshers_) refresh();
}

void CMainFrame::buildToolBar() {
    QToolBar* bar = addToolBar("Tools");
    bar->setObjectName("toolBar");
    for (const char* entry : {"&Open\tCtrl+O", "&Rename File\tCtrl+R", "&Print...\tCtrl+P", "&Copy\tCtrl+C",
                              "C&ut\tCtrl+X", "Pa&ste\tCtrl+V", "&Search Dictionary\tCtrl+S",
                              "&Help\tCtrl+H"})
        bar->addAction(action(entry));
}

}  // namespace kavro::gui
