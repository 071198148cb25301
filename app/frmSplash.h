// The splash window: the program's picture and version, shown modally at
// start-up until its own timer closes it.
#pragma once

#include <QDialog>

class QLabel;
class QTimer;

class frmSplash : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* padre = nullptr, int intervalo = 4000);
    QLabel* lblVersion() const { return lblVersion_; }
    QTimer* TmrSplash() const { return tmrSplash_; }

private:
    QLabel* imgFondo_;
    QLabel* lblVersion_;
    QTimer* tmrSplash_;
};
