// SearchTreePage: the "Suchbaum" tab sheet (TabSheetSuchbaum) with its designed
// controls. The animated operations come with the search tree demonstration;
// for now only "Weiter" has its handler (it sets the main window's
// weiterPressed flag).
#pragma once

#include <QWidget>

class TForm1;
class ImageView;

class SearchTreePage final : public QWidget {
    Q_OBJECT
public:
    // form is lent: the main window that holds the flag and the routines.
    explicit SearchTreePage(TForm1& form, QWidget* parent = nullptr);

    ImageView& image() { return *image_; }

public slots:
    void BitBtnTWeiterClick();

private:
    TForm1& form_;
    ImageView* image_;
};
