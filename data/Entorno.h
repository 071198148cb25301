// The environment file (.ent): a text snapshot of the simulator (registers,
// chosen memory ranges, a copy of the loaded listing, the reference and
// section tables, the watch marks and the breakpoints), written by
// SalvarEntorno and read back by RecuperarEntorno.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The program's version: the environment file's first line carries it and a
// file of another version is refused. Keep in step with the project version.
inline constexpr int kVersionMayor = 2;
inline constexpr int kVersionMenor = 1;

// ">>> Tarvix v2.1"
std::string CabeceraEntorno();

// Date and time as the environment file and the printed report show them.
struct FechaHora {
    int anio = 2000, mes = 1, dia = 1;
    int diaSemana = 0;  // 0 Monday ... 6 Sunday
    int hora = 0, minuto = 0, segundo = 0;
};
// The local date and time, or what the installed clock gives.
FechaHora Ahora();
// Replaces the clock (tests); an empty function puts the system clock back.
void EstablecerReloj(std::function<FechaHora()> reloj);
// "dd/mm/yyyy-DDD  hh:mm:ss": fixed day abbreviations, whatever the locale.
std::string TextoFechaHora(const FechaHora& f);

// Folder where a restored listing is written as "entorno.dsk": the user's own
// data folder (created when needed). Tests point it elsewhere; "" restores it.
std::string CarpetaDatosUsuario();
void EstablecerCarpetaDatosUsuario(const std::string& carpeta);

// True for a listing's reference or section line (">>>> ref ...", ">>>> sect
// ..."), which the environment file and the report leave out of the listing.
bool EsLineaRefOSect(const std::string& linea);
// The lines of a listing file without its reference and section lines;
// nothing when the file cannot be read.
std::optional<std::vector<std::string>> LineasListado(const std::string& ruta);

// Names the user gives (identifiers of memory cells, watch marks and
// breakpoints) are kept in the file as quoted text fields. True when the name
// reads back from the file exactly as it is: it holds no double quote, which
// would end the field, and no carriage return or line feed, which would end
// the record. Commas, blanks and other characters come back whole.
bool NombreGuardable(std::string_view nombre);
// Where a name is typed: true when it may be kept; otherwise a box titled
// titulo says which characters a name may not hold, and false.
bool NombreAdmitido(const std::string& nombre, const std::string& titulo);

// Writes the environment file with the sections that the "Opciones\Resumen"
// settings choose. The file is replaced only when it was written whole; on a
// failure a box says so and the previous file stays. True when written.
bool SalvarEntorno(const std::string& ruta);

// What a restore came to: the file refused with nothing changed, every
// section read whole, or accepted with some section damaged or not restored.
enum class Recuperacion { Rechazada, Completa, ConFallos };

// Restores every section that the file holds and shows the results box. The
// listing copy is loaded first and the other sections follow in file order, so
// the registers and memory come back as they were saved. Once the file is
// accepted gEstadoDSK is -1 until its listing loads. A file that cannot be read
// (a pipe or a device is not read at all) or is of another version is refused
// with nothing changed. antesDelResumen, when given, runs for an accepted file
// just before the results box shows (the window brings its views up to date).
Recuperacion RecuperarEntorno(const std::string& ruta, const std::function<void()>& antesDelResumen = {});
