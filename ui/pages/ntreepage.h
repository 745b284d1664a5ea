// NtreePage: the "NBaum" tab sheet (TabSheetNBaum). The user builds the
// page's own TNtreeDemo node by node: a root, then children of the current node
// by child number; the current node moves down one child at a time
// (ButtonNGet) and back to the root (ButtonNReset). After every change the
// tree view (TreeView) shows the whole tree, expanded (Insert and Delete
// change it in place, the same as rebuilt), and the current node's item is
// selected and scrolled into sight; EditNEbene and
// EditNAktuell show the current node's level and text, EditNTiefe and
// EditNAnz the tree's depth and node count.
#pragma once

#include <QWidget>
#include <memory>
#include <optional>
#include <string>

#include "ui/pages/undoablepage.h"
#include "workbench/structurefiles.h"

class PageHost;
class TNtreeDemo;
class QtNtreeDisplay;
class QLineEdit;
class QTreeWidget;

namespace ntreetext {
inline constexpr const char* rootExists = "Es existiert bereits eine Wurzel";
inline constexpr const char* noRoot = "Es muss erst eine Wurzel erzeugt werden";
inline constexpr const char* badNumber = "Im Nummernfeld ganze Zahl >= 0 eingeben";
inline constexpr const char* noChildren = "Keine Kinder vorhanden";
inline constexpr const char* noSuchChild = "Nummer zu groß - Kind existiert nicht";
inline constexpr const char* cannotInsert = "Einfügen an dieser Stelle nicht möglich";
inline constexpr const char* extension =
    structurefiles::type(structurefiles::Kind::ntree).extension;
inline constexpr const char* filter = structurefiles::type(structurefiles::Kind::ntree).filter;
}  // namespace ntreetext

class NtreePage final : public QWidget, public UndoablePage {
    Q_OBJECT
public:
    // host is lent: the main window with the shared routines.
    explicit NtreePage(PageHost& host, QWidget* parent = nullptr);
    ~NtreePage() override;

    // The page's tree; Clear and Load replace it (tests).
    TNtreeDemo& tree() { return *tree_; }
    // Loads the file as Load does with the name from its dialog: the same
    // messages, the child number back to 0, and an empty tree when the file
    // is refused.
    void loadFile(const std::string& name);
    // The view rebuilt from the tree (tests compare it with the view that
    // Insert and Delete change in place).
    void refreshView();

public slots:
    void ButtonNCreateRootClick();
    void ButtonNGetClick();
    void ButtonNInsertClick();
    void ButtonNDeleteClick();
    void ButtonNResetClick();
    void ButtonNClearClick();
    void ButtonNLookUpClick();
    void ButtonNSaveClick();
    void ButtonNLoadClick();

private:
    // The tree's record (a copy for a tree too large for its file) and the
    // path to the current node.
    PageState structureState() const override;
    void restoreStructure(const PageState& state) override;
    // Load after the dialog; throws what the file's load throws.
    void loadTree(const std::string& name);
    // Runs body through the guard, then gives the focus to EditNEingabe when
    // focusEntry; nothing while the window is locked (PageHost::controlsLocked).
    template <typename Body>
    void handle(bool focusEntry, Body&& body);
    // True (after "Der Baum ist leer") when the tree is empty.
    bool emptyTree();
    // True (after "Es ist kein Element eingegeben worden") when the entry is
    // empty.
    bool noEntry();
    // The child number of EditNNummer, or nothing after "Im Nummernfeld ganze
    // Zahl >= 0 eingeben".
    std::optional<int> readChildNumber();
    // The number of an existing child of the current node, after the checks
    // and messages that Get and Delete share.
    std::optional<int> existingChildNumber();
    // The entry as a node text (Windows-1252).
    std::string entryText() const;
    // An empty view and a new empty tree in place of the old one.
    void replaceTree();
    // The current node becomes the root, shown in EditNEbene and EditNAktuell.
    void moveToRoot();
    // Level and current element empty, count and depth "0".
    void showEmptyFields();

    PageHost& host_;
    QLineEdit* editEingabe_;
    QLineEdit* editNummer_;
    QLineEdit* editEbene_;
    QLineEdit* editAktuell_;
    QLineEdit* editTiefe_;
    QLineEdit* editAnz_;
    QTreeWidget* treeView_;
    std::unique_ptr<QtNtreeDisplay> display_;  // where the tree shows itself
    std::unique_ptr<TNtreeDemo> tree_;         // made after, and gone before, display_
};
