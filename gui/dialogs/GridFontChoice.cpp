#include "dialogs/GridFontChoice.h"

#include "common/Cp1252.h"
#include "style/CellStyle.h"

#include <QCoreApplication>

namespace markwell {

UserDialogs::FontChoice fontChoiceOf(const GridProperties& props) {
    UserDialogs::FontChoice current;
    current.family = cp1252::toUnicode(props.font_name);
    current.pointSize = props.font_size;
    current.colour = toQColor(props.font_color);
    current.bold = props.font_style & fontstyle::kBold;
    current.italic = props.font_style & fontstyle::kItalic;
    current.underline = props.font_style & fontstyle::kUnderline;
    current.strikeOut = props.font_style & fontstyle::kStrikeOut;
    return current;
}

Result<void> storeFontChoice(GridProperties& props, const UserDialogs::FontChoice& choice) {
    Result<std::string> face = cp1252::fromUnicode(choice.family);
    if (!face || !fitsField(*face, capacity::kFontName)) {
        return fail(QCoreApplication::translate("GridFontChoice",
                                                "The font \"%1\" cannot be kept with the class; please choose another.")
                        .arg(choice.family));
    }
    props.font_name = *face;
    props.font_size = choice.pointSize;
    props.font_color = toPlatformColour(choice.colour);
    props.font_style = static_cast<std::uint8_t>((choice.bold ? fontstyle::kBold : 0) |
                                                 (choice.italic ? fontstyle::kItalic : 0) |
                                                 (choice.underline ? fontstyle::kUnderline : 0) |
                                                 (choice.strikeOut ? fontstyle::kStrikeOut : 0));
    return {};
}

}  // namespace markwell
