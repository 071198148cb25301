// The settings store on Qt: one INI file per application under the user's
// configuration folder (<config>/Tarvix/Tarvix.ini); a section written with
// backslashes ("Opciones\Entorno") is a nested group. Each file is read once,
// when the store first needs it, and only when it is a plain file. A save
// (Guardar, or the end of the store when there is something to save) writes
// the file as it is on the disk by then with the values this instance
// changed since its last save, so that what another instance saved meanwhile
// stays; keys QSettings cannot write back under their own name are dropped.
// A failure leaves the old file as it was.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/Ajustes.h"

namespace plataforma {

class AjustesQt final : public IAlmacenAjustes {
public:
    // carpetaBase: where the applications' folders go; empty for the user's
    // configuration folder.
    explicit AjustesQt(std::string carpetaBase = {});
    ~AjustesQt() override;

    std::string Leer(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                     const std::string& porDefecto) override;
    void Escribir(const std::string& aplicacion, const std::string& seccion, const std::string& clave,
                  const std::string& valor) override;
    bool Guardar() override;
    std::string Lugar(const std::string& aplicacion) const override { return Fichero(aplicacion); }

    // The INI file that holds an application's settings.
    std::string Fichero(const std::string& aplicacion) const;

private:
    struct Valores;
    Valores& Almacen(const std::string& aplicacion);

    std::string carpetaBase_;
    std::map<std::string, std::unique_ptr<Valores>> abiertos_;  // by application
};

}  // namespace plataforma
