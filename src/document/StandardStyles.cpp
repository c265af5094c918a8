#include "document/StandardStyles.h"

namespace kalder {

void defineStandardStyles(cStyles& styles) {
    struct Row {
        const char* name;
        const char* font;
        float size;
        bool bold, italic, underline;
    };
    static constexpr Row rows[] = {
        {"Normal", "Times New Roman", 200, false, false, false},
        {"Heading1", "Arial", 280, true, false, true},
        {"Heading2", "Arial", 240, true, true, false},
        {"Heading3", "Arial", 240, true, false, true},
        {"Heading4", "Arial", 240, true, true, false},
        {"Heading5", "Arial", 220, true, false, true},
    };
    for (const Row& r : rows) {
        cStyle s;
        s.Key = r.name;
        s.FontName = r.font;
        s.FontSize = r.size;
        s.Bold = r.bold;
        s.Italic = r.italic;
        s.Underline = r.underline;
        s.ForeColor = 0;
        s.BackColor = 0xFFFFFF;
        s.LeadingType = 3;
        s.LeadingVal = 0;
        s.Orientation = 1;
        s.FillStyle = 0;
        s.FillColor = 0;
        s.Strikethru = false;
        styles.add(s, s.Key);
    }
}

}  // namespace kalder
