#pragma once
// The flag texts of the program-wide variables. Flags stay texts, compared
// exactly and case-sensitively, because the variables are read and written
// as texts by name; these constants only make a misspelt flag a compile
// error. The names are the texts themselves, so each reads as what it holds.
namespace tabrino::flag {

// Settings and public-screen switches: conalargue, conpenales, conposesion,
// sonarbip, clonactivo, pantallaauxiliar, cambiolado.
inline constexpr char SI[] = "SI";
inline constexpr char NO[] = "NO";

// Latches of the clock, the possession countdown and the suspension clocks.
inline constexpr char si[] = "si";
inline constexpr char no[] = "no";

// estadoinicio: whether the clock has run in this period.
inline constexpr char iniciado[] = "iniciado";
inline constexpr char noiniciado[] = "noiniciado";

// A suspension slot in use or free.
inline constexpr char activo[] = "activo";
inline constexpr char noactivo[] = "noactivo";

// minutopedido: the side whose time-out is reserved.
inline constexpr char local[] = "local";
inline constexpr char visita[] = "visita";

}  // namespace tabrino::flag
