#pragma once

#include <string_view>

namespace candelor {

// The fixed texts of the information windows; paragraphs are separated by an empty line
// (CR LF CR LF) and the texts end without a line break.

inline constexpr std::string_view kHowtoTitle = "How to calculate using Zonal Cavity Method";

inline constexpr std::string_view kHowtoText =
    "1. Enter room width, length and room cavity height to calculate Room Cavity Ratio - RCR. "
    "\r\n\r\n"
    "2. Using the RCR value and room reflectance information lookup and enter the Coefficient of "
    "Utilization value from the luminaire cut sheet.\r\n\r\n"
    "3. Enter remaining luminaire data: lamp lumens, number of lamps, Lamp Dirt and Lumens "
    "Depreciation - LDD, LLD\r\n\r\n"
    "4. Enter the number of luminaires in the room or the desired lighting level. Calculation "
    "will automatically update showing lighting level or number of luminares respectively."
    "\r\n\r\n"
    "5. To see definition of some less familiar terms, click them when the mouse cursor changes "
    "to a question mark.\r\n\r\n"
    "6. To print the calculations click the \"Paste to Clipboard\" button and calculation data "
    "will be placed in the PC Clipboard. From there you may paste it to any text processing "
    "application.";

inline constexpr std::string_view kDisclaimerHeading = "DISCLAIMER";

inline constexpr std::string_view kDisclaimerText =
    "This software is sold as is and without any warranties as to performance or accuracy or "
    "any other warranties whether expressed or implied.\r\n\r\n"
    "The user must assume the entire risk of using the program. Any liability of the seller will "
    "be limited exclusively to product replacement or refund of the purchase price. \r\n\r\n"
    "Tavrin Group Inc. does not assume any liability with respect to the use of this software or "
    "any information included in it.";

inline constexpr std::string_view kMakerLine = "Tavrin Group Inc. Engineering Software";

}  // namespace candelor
