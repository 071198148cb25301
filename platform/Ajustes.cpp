#include "platform/Ajustes.h"

namespace plataforma {
namespace {

class AjustesVacios final : public IAlmacenAjustes {
public:
    std::string Leer(const std::string&, const std::string&, const std::string&,
                     const std::string& porDefecto) override {
        return porDefecto;
    }
    void Escribir(const std::string&, const std::string&, const std::string&,
                  const std::string&) override {}
    bool Guardar() override { return true; }
    std::string Lugar(const std::string&) const override { return {}; }
};

AjustesVacios gVacios;
IAlmacenAjustes* gAlmacen = &gVacios;

}  // namespace

IAlmacenAjustes& Ajustes() { return *gAlmacen; }

void EstablecerAjustes(IAlmacenAjustes* almacen) { gAlmacen = almacen ? almacen : &gVacios; }

}  // namespace plataforma
