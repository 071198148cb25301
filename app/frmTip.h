// Tip of the day: one random tip from "TIPOFDAY.DAT" beside the program, a
// button for another one and the "Show Tips at Startup" check box.
#pragma once

#include <QDialog>
#include <random>
#include <string>
#include <vector>

class QCheckBox;
class QLabel;
class QPushButton;

// The tips of a file's bytes: one per line, a line ending at CR, CR LF or LF;
// empty lines count, a final line end adds no tip. Text that is not UTF-8 is
// read as Latin-1 (the file is written in the old 8-bit code page).
std::vector<std::string> DividirSugerencias(const std::string& contenido);

inline constexpr const char* kFicheroSugerencias = "TIPOFDAY.DAT";
std::string RutaSugerencias();  // beside the program

class frmTip : public QDialog {
    Q_OBJECT
public:
    explicit frmTip(QWidget* padre, const std::string& fichero = RutaSugerencias());

    bool LoadTips(const std::string& fichero);
    void DisplayCurrentTip();
    void ChooseNextTip();

    const std::vector<std::string>& ListaSugerencias() const { return sugerencias_; }
    int32_t SugerenciaActual() const { return actual_; }
    QLabel* lblTipText() const { return lblTipText_; }
    QCheckBox* chkLoadTipsAtStartup() const { return chk_; }
    QPushButton* cmdNextTip() const { return cmdNextTip_; }
    QPushButton* cmdOK() const { return cmdOK_; }

private:
    std::vector<std::string> sugerencias_;
    int32_t actual_ = 0;
    std::mt19937 azar_;
    QLabel* lblTipText_;
    QCheckBox* chk_;
    QPushButton* cmdNextTip_;
    QPushButton* cmdOK_;
};
