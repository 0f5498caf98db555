// The settings window as designed: frames, labels, duration boxes, option
// groups, check boxes and colour swatches. Boxes are twips relative to the
// enclosing frame; the window is a normal framed window, not scaled.
#include "app/window_catalog.h"
#include "form/design_rows.h"
#include "settings/settings.h"

namespace tabrino {

namespace {
using namespace rows;
constexpr const char* kSans = "MS Sans Serif";
constexpr float kSize = 8.25f;
constexpr float kLine = 255;         // one line of text
constexpr float kRightBoxes = 1740;  // the boxes of the overtime and warning frames

ElementDesign frame(std::string name, Box b, std::string caption, std::string container = {}) {
    return control(Kind::Frame, std::move(name), b, kSans, kSize, regular, std::move(caption), {},
                   std::move(container));
}

ElementDesign text(std::string name, std::string frame, float left, float top, std::string caption, float width,
                   Align align = Align::Left) {
    ElementDesign d = label(std::move(name), {left, top, width, kLine}, kSans, kSize, regular, colors::black,
                            std::move(caption), align);
    d.container = std::move(frame);
    return d;
}

ElementDesign option(std::string name, std::string frame, Box b, std::string caption = {}) {
    return control(Kind::OptionButton, std::move(name), b, kSans, kSize, regular, std::move(caption), {},
                   std::move(frame));
}

ElementDesign check(std::string name, std::string frame, Box b, std::string caption, State state = {}) {
    ElementDesign d =
        control(Kind::CheckBox, std::move(name), b, kSans, kSize, regular, std::move(caption), {}, std::move(frame));
    applyState(d, std::move(state));
    return d;
}

ElementDesign box(const DurationField& f, std::string frame, float left, float top) {
    ElementDesign d = control(Kind::TextBox, f.box, {left, top, 735, 285}, kSans, kSize, regular, f.defaultText, {},
                              std::move(frame));
    d.align = Align::Center;
    return d;
}

WindowDesign build() {
    WindowDesign w;
    w.name = "configuracion";
    w.title = "Configuracion de Constantes";
    w.width = 10710;
    w.height = 8310;
    w.background = 0xF0F0F0;
    w.framed = true;
    w.scaled = false;
    const std::string note = "** Por defecto cada partido comienza en \"NO\" **";
    auto& e = w.elements;

    e.push_back(frame("Frame1", {480, 120, 4215, 1455}, "Confirmacion de Alargue"));
    e.push_back(text("Label1", "Frame1", 120, 360, "Este partido podria tener alargue en caso de empate?", 3975));
    e.push_back(option("Option1", "Frame1", {1200, 720, 735, kLine}, "SI"));
    e.push_back(option("Option2", "Frame1", {2160, 720, 735, kLine}, "NO"));
    e.push_back(text("Label2", "Frame1", 120, 1080, note, 3975, Align::Center));

    e.push_back(frame("Frame5", {120, 1800, 4815, 1335}, "Tanda de Penales"));
    e.push_back(text("Label18", "Frame5", 360, 240, "Si alargue termina igualado, define ganador por penales?", 4335));
    e.push_back(option("Option3", "Frame5", {1560, 600, 735, kLine}, "SI"));
    e.push_back(option("Option4", "Frame5", {2520, 600, 735, kLine}, "NO"));
    e.push_back(text("Label17", "Frame5", 600, 960, note, 3615, Align::Center));

    e.push_back(frame("Frame8", {120, 3360, 4815, 2295}, "Activar Posesion (DEBE TENER BOTONERA ESPECIAL)"));
    e.push_back(text("Label20", "Frame8", 240, 360, "Desea Activar contador de posesion?", 2895));
    e.push_back(option("Option12", "Frame8", {3240, 360, 615, kLine}, "SI"));
    e.push_back(option("Option13", "Frame8", {3960, 360, 735, kLine}, "NO"));
    e.push_back(
        text("Label21", "Frame8", 480, 720, "** Al abrir el Tabrino, comienza en \"NO\" **", 3855, Align::Center));
    e.push_back(text("Label22", "Frame8", 120, 1080, "Sonido de advertencia a los 05 segundos?", 3255));
    e.push_back(check("Check1", "Frame8", {3480, 1080, 1215, kLine}, "Activado"));
    e.push_back(text("Label30", "Frame8", 120, 1560, "Sonido de advertencia a los 00 segundos?", 3255));
    e.push_back(check("Check4", "Frame8", {3480, 1560, 1215, kLine}, "Activado"));
    e.push_back(
        text("Label23", "Frame8", 240, 1920, "*** Si no tiene Botonera, puede usar el teclado ( ALT+ X ) ***", 4455));

    e.push_back(frame("Frame9", {120, 5880, 10335, 1575},
                      "Opciones de Multipantalla (Pantalla debe estar en funcion EXTENDER)"));
    e.push_back(text("Label28", "Frame9", 240, 360, "", 9855));
    e.push_back(text("Label26", "Frame9", 240, 720, "Clonar Tabrino a una SEGUNDA PANTALLA", 3495));
    e.push_back(check("Check3", "Frame9", {3840, 720, 1095, kLine}, "Activar"));
    e.push_back(text("Label24", "Frame9", 6000, 720, "Mostrar contador auxiliar de posesion?", 2985));
    e.push_back(check("Check2", "Frame9", {9000, 720, 1215, kLine}, "Activado"));
    e.push_back(
        text("Label27", "Frame9", 2880, 1200, "*** Debe tener  pantallas externas conectadas al computador ***", 7335));

    e.push_back(frame("Frame2", {5160, 120, 5295, 5535}, "Minutos de Juego y Reloj"));
    e.push_back(frame("Frame4", {120, 360, 2295, 5055}, "Minutos de juego normales", "Frame2"));
    e.push_back(frame("Frame3", {2520, 360, 2535, 1695}, "Tiempos de Alargue", "Frame2"));
    e.push_back(frame("Frame6", {2520, 2160, 2535, 735}, "Aviso Minuto", "Frame2"));
    e.push_back(frame("Frame7", {2520, 3000, 2535, 1455}, "Color del reloj funcionando", "Frame2"));
    e.push_back(frame("Frame10", {2520, 4560, 2535, 855}, "Aviso ultimos 10 Segundos", "Frame2"));

    // The series rows, one every 360 twips: a label and its box.
    const auto& fields = durationFields();
    for (std::size_t i = 0; i < 12; ++i) {
        const DurationField& f = fields[i];
        float row = 360.0f * static_cast<float>(i);
        e.push_back(text(f.label, "Frame4", 120, i == 11 ? 4320 : 315 + row, f.caption, 1095));
        e.push_back(box(f, "Frame4", 1320, 240 + row));
    }
    e.push_back(text("Label25", "Frame4", 120, 4680, "Formato: \"00\" (Dos Digitos)", 2055));
    for (std::size_t i = 12; i < 15; ++i) {
        const DurationField& f = fields[i];
        float row = 360.0f * static_cast<float>(i - 12);
        e.push_back(text(f.label, "Frame3", 240, 435 + row, f.caption, 1395));
        e.push_back(box(f, "Frame3", kRightBoxes, 360 + row));
    }
    // "Segundos del termino" needs nearly the frame's width beside its box.
    e.push_back(text(fields[15].label, "Frame6", 60, 315, fields[15].caption, 1650));
    e.push_back(box(fields[15], "Frame6", kRightBoxes, 240));

    // Clock colours: a swatch over each unlabelled option, then the default.
    const auto& colours = clockColours();
    for (std::size_t i = 0; i < 6; ++i) {
        float left = 240 + 360.0f * static_cast<float>(i);
        e.push_back(shape(colours[i].swatch, {left, 360, 255, 255}, colours[i].rgb, colors::black, "Frame7"));
        e.push_back(option(colours[i].option, "Frame7", {left, 720, 255, 195}));
    }
    e.push_back(shape(colours[6].swatch, {240, 1080, 255, 255}, colours[6].rgb, colors::black, "Frame7"));
    e.push_back(option(colours[6].option, "Frame7", {600, 1080, 1455, 315}, "Por defecto"));

    e.push_back(text("Label31", "Frame10", 240, 360, "Sonar \"BIP\"", 975));
    e.push_back(check("Check5", "Frame10", {1320, 360, 1095, kLine}, "Activado", {.checked = true}));

    e.push_back(
        control(Kind::Button, "Command1", {4560, 7560, 1575, 615}, kSans, kSize, regular, "Actualizar y Cerrar"));

    // Publishing the board to browsers on the venue's network, in the free
    // corner beside the button so the window keeps its size.
    e.push_back(frame("Frame11", {120, 7440, 4335, 780}, "Transmision"));
    e.push_back(check("Check6", "Frame11", {120, 220, 3975, kLine}, "Publicar el marcador en la red"));
    e.push_back(text("Label32", "Frame11", 120, 480, "", 4095));
    e.back().visible = false;
    return w;
}
}  // namespace

const WindowDesign& configuracionDesign() {
    static const WindowDesign d = build();
    return d;
}

}  // namespace tabrino
