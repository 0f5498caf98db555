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
            int entry;
        };
        const Row rows[] = {
            {"Text1", "Label3", "Mini Hokey", 16},
            {"Text2", "Label4", "Sub 9", 17},
            {"Text3", "Label5", "Sub 11", 18},
            {"Text4", "Label6", "Sub 13", 19},
            {"Text5", "Label7", "Sub 15", 20},
            {"Text6", "Label8", "Sub 17", 21},
            {"Text7", "Label9", "Sub 19", 22},
            {"Text8", "Label10", "Sub 20", 23},
            {"Text9", "Label11", "Sub 23", 24},
            {"Text10", "Label12", "Adulta", 25},
            {"Text10b", "Label29", "Adulta Honor", 31},
            {"Text11", "Label13", "Entretiempo", 26},
            {"Text12", "Label14", "Descanso Alargue", 27},
            {"Text13", "Label15", "Cambio de lado", 28},
            {"Text14", "Label16", "Tiempo de Juego", 29},
            {"Text15", "Label19", "Segundos del termino", 30},
        };
        std::vector<DurationField> out;
        for (const Row& r : rows) {
            // The box shows the start-up duration until it is filled.
            std::string def = kSeriesTable[static_cast<std::size_t>(r.entry - 16)].duration;
            out.push_back({r.box, r.label, r.caption, r.entry, def, r.entry == 30});
        }
        return out;
    }();
    return fields;
}

const std::vector<ClockColour>& clockColours() {
    static const std::vector<ClockColour> colours = {
        {"Option5", "Shape1", "&H80C0FF", 0xFFC080},  {"Option6", "Shape2", "&H80FF80", 0x80FF80},
        {"Option7", "Shape3", "&H80FFFF", 0xFFFF80},  {"Option8", "Shape4", "&HFFC0FF", 0xFFC0FF},
        {"Option9", "Shape5", "&HFFC0C0", 0xC0C0FF},  {"Option10", "Shape6", "&HFF80FF", 0xFF80FF},
        {"Option11", "Shape7", "65280", 0x00FF00},
    };
    return colours;
}

}  // namespace tabrino
