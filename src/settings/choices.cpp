// The fields and choices of the settings window, as data.
#include "app/series_table.h"
#include "settings/settings.h"

namespace tabrino {

const std::vector<DurationField>& durationFields() {
    static const std::vector<DurationField> fields = [] {
        struct Row {
            const char* box;
            const char* label;
            const char* caption;
            std::size_t slot;  // of the name; the duration is further on
        };
        const Row rows[] = {
            {"Text1", "Label3", "Mini Hokey", 0},
            {"Text2", "Label4", "Sub 9", 1},
            {"Text3", "Label5", "Sub 11", 2},
            {"Text4", "Label6", "Sub 13", 3},
            {"Text5", "Label7", "Sub 15", 4},
            {"Text6", "Label8", "Sub 17", 5},
            {"Text7", "Label9", "Sub 19", 6},
            {"Text8", "Label10", "Sub 20", 7},
            {"Text9", "Label11", "Sub 23", 8},
            {"Text10", "Label12", "Adulta", 9},
            {"Text10b", "Label29", "Adulta Honor", series::kAdultaHonor},
            {"Text11", "Label13", "Entretiempo", series::kEntretiempo},
            {"Text12", "Label14", "Descanso Alargue", series::kDescansoAlargue},
            {"Text13", "Label15", "Cambio de lado", series::kCambioDeLado},
            {"Text14", "Label16", "Tiempo de Juego", series::kAlargue},
            {"Text15", "Label19", "Segundos del termino", series::kAviso},
        };
        std::vector<DurationField> out;
        for (const Row& r : rows) {
            // The box shows the start-up duration until it is filled.
            std::string def = kSeriesTable[r.slot].duration;
            out.push_back(
                {r.box, r.label, r.caption, static_cast<int>(series::duration(r.slot)), def, r.slot == series::kAviso});
        }
        return out;
    }();
    return fields;
}

const std::vector<ClockColour>& clockColours() {
    static const std::vector<ClockColour> colours = {
        {"Option5", "Shape1", "&H80C0FF", 0xFFC080}, {"Option6", "Shape2", "&H80FF80", 0x80FF80},
        {"Option7", "Shape3", "&H80FFFF", 0xFFFF80}, {"Option8", "Shape4", "&HFFC0FF", 0xFFC0FF},
        {"Option9", "Shape5", "&HFFC0C0", 0xC0C0FF}, {"Option10", "Shape6", "&HFF80FF", 0xFF80FF},
        {"Option11", "Shape7", "65280", 0x00FF00},
    };
    return colours;
}

}  // namespace tabrino
