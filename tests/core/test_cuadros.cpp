#include <gtest/gtest.h>

#include "fakes/CuadrosFalsos.h"

TEST(Cuadros, FakeRecordsBoxesAndAnswersFromItsScript) {
    prueba::CuadrosFalsos falsos;
    falsos.respuestas.push_back(plataforma::Respuesta::Cancelar);
    auto r1 = plataforma::MsgBox("texto", plataforma::Icono::Pregunta,
                                 plataforma::Botones::AceptarCancelar, "Titulo", 400, true);
    auto r2 = plataforma::MsgBox("otro", plataforma::Icono::Ninguno,
                                 plataforma::Botones::Aceptar, "T2");
    EXPECT_EQ(r1, plataforma::Respuesta::Cancelar);
    EXPECT_EQ(r2, plataforma::Respuesta::Aceptar);
    ASSERT_EQ(falsos.mostrados.size(), 2u);
    EXPECT_EQ(falsos.mostrados[0].contextoAyuda, 400);
    EXPECT_EQ(falsos.mostrados[0].ficheroAyuda, "TMS320C3X.chm");
    EXPECT_EQ(falsos.mostrados[1].ficheroAyuda, "");
}

TEST(Cuadros, WithoutServiceBoxesAnswerOkAndInputCancels) {
    EXPECT_EQ(plataforma::MsgBox("x", plataforma::Icono::Ninguno, plataforma::Botones::Aceptar, "t"),
              plataforma::Respuesta::Aceptar);
    EXPECT_FALSE(plataforma::Cuadros().InputBox({}).has_value());
}
