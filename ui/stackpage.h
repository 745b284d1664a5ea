// StackPage: the "Keller" tab sheet (TabSheetKeller). Its buttons drive the
// main window's stack of TLifoStrings; Memolifo lists the elements top first
// and EditKAnz shows the count.
#pragma once

#include <QWidget>

class TForm1;
class QLineEdit;
class MemoView;

namespace stacktext {
inline constexpr const char* empty = "Der Keller ist leer";
inline constexpr const char* noEntry = "Es ist kein Element eingegeben worden";
inline constexpr const char* extension = "kdt";
inline constexpr const char* filter = "Keller (*.kdt)|*.kdt";
}  // namespace stacktext

class StackPage final : public QWidget {
    Q_OBJECT
public:
    // form is lent: the main window that holds the stack and the routines.
    explicit StackPage(TForm1& form, QWidget* parent = nullptr);

    // Memolifo shows every element (top first) in one update; EditKAnz the count.
    void refresh();

public slots:
    void ButtonKpushClick();
    void ButtonKpopClick();
    void ButtonKtopClick();
    void ButtonKclearClick();
    void ButtonKSaveClick();
    void ButtonKLoadClick();

private:
    // Runs body through the guard, then puts the focus into EditKEingabe.
    template <typename Body>
    void handle(Body&& body);

    TForm1& form_;
    QLineEdit* editEingabe_;
    QLineEdit* editAnz_;
    MemoView* memo_;
};
