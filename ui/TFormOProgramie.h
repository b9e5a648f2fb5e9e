#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPushButton;

// The About window.
class TFormOProgramie : public QDialog {
    Q_OBJECT

public:
    explicit TFormOProgramie(QWidget* parent = nullptr);

    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QPushButton* BitBtn1 = nullptr;
};
