#include "dialogs/messagebox.h"

#include "texts/catalogue.h"

#include <QMessageBox>
#include <QPushButton>

void showErrorBox(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, Catalogue::ErrorTitle, text, QMessageBox::NoButton, parent);
    QPushButton *ok = box.addButton(Catalogue::OkButton, QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

bool askWarning(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, Catalogue::WarningTitle, text, QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(Catalogue::YesButton, QMessageBox::YesRole);
    QPushButton *no = box.addButton(Catalogue::NoButton, QMessageBox::NoRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}
