// The about window "Acerca de Tarvix": background, logo (with the animation of
// "logo.sys" when that file holds one the toolkit can play), version, two
// pages of credits scrolling up in a frame, "Aceptar" and "&Información...".
#pragma once

#include <QDialog>
#include <array>
#include <cstdint>

class QFrame;
class QLabel;
class QMovie;
class QPushButton;
class QTimer;

// The credits' movement in twips, without a window: the page that scrolls now
// (PaginaCreditos), its top and left inside the frame.
class CreditosAbout {
public:
    static constexpr int32_t kAnchoMarco = 4080, kAltoMarco = 2595;
    static constexpr int32_t kAnchoPagina = 3810, kAltoPagina = 10080;
    static constexpr int32_t kPaso = 20;  // twips a tick

    CreditosAbout() { Colocar(0); }
    int16_t PaginaCreditos() const { return pagina_; }
    int32_t Arriba() const { return arriba_; }
    int32_t Izquierda() const { return izquierda_; }
    // One tick: up by 20 twips; a page wholly above the frame re-enters at the bottom.
    void Tick();
    // A click on a page or the frame: the other page, from below the frame.
    void CambiarPagina() { Colocar(int16_t(1 - pagina_)); }

private:
    void Colocar(int16_t pagina);
    int16_t pagina_ = 0;
    int32_t arriba_ = 0, izquierda_ = 0;
};

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* padre = nullptr);

    // Finds the system-information tool, or says it is not available.
    void StartSysInfo();

    const CreditosAbout& Creditos() const { return creditos_; }
    QLabel* LblVersion() const { return lblVersion_; }
    QLabel* PicLogo() const { return picLogo_; }
    QFrame* PicCreditos() const { return picCreditos_; }
    QWidget* PicContent(int i) const { return picContent_[size_t(i)]; }
    QPushButton* CmdOK() const { return cmdOK_; }
    QPushButton* CmdSysInfo() const { return cmdSysInfo_; }
    QTimer* Timer1() const { return timer1_; }
    bool Animacion() const { return movie_ != nullptr; }
    void Timer1_Timer();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* objeto, QEvent* e) override;

private:
    void MostrarPagina();
    QWidget* CrearPagina(QWidget* marco, int indice);

    CreditosAbout creditos_;
    QLabel* imgFondo_;
    QLabel* picLogo_;
    QLabel* lblVersion_;
    QFrame* picCreditos_;
    std::array<QWidget*, 2> picContent_{};
    QPushButton* cmdOK_;
    QPushButton* cmdSysInfo_;
    QTimer* timer1_;
    QMovie* movie_ = nullptr;
};
