// QueuePage: the "Schlange" tab sheet (TabSheetSchlange). Its buttons drive
// the main window's queue of TFifoStrings; MemoFifo lists the elements front
// first and EditSAnz shows the count.
#pragma once

#include <QWidget>

class TForm1;
class QLineEdit;
class MemoView;

namespace queuetext {
inline constexpr const char* empty = "Die Schlange ist leer";
inline constexpr const char* noEntry = "Es ist kein Element eingegeben worden";
inline constexpr const char* extension = "sdt";
inline constexpr const char* filter = "Schlangen (*.sdt)|*.sdt";
}  // namespace queuetext

class QueuePage final : public QWidget {
    Q_OBJECT
public:
    // form is lent: the main window that holds the queue and the routines.
    explicit QueuePage(TForm1& form, QWidget* parent = nullptr);

    // MemoFifo shows every element (front first) in one update; EditSAnz the count.
    void refresh();

public slots:
    void ButtonSInsertClick();
    void ButtonSDeleteClick();
    void ButtonSFrontClick();
    void ButtonSClearClick();
    void ButtonSSaveClick();
    void ButtonSLoadClick();

private:
    // Runs body through the guard, then puts the focus into EditSEingabe.
    template <typename Body>
    void handle(Body&& body);

    TForm1& form_;
    QLineEdit* editEingabe_;
    QLineEdit* editAnz_;
    MemoView* memo_;
};
