#include "catalogue/lamps.h"

namespace candelor {
namespace {

LampNode Lamp(std::string_view name, std::string_view caption, std::int32_t lumens,
              std::optional<float> lld = std::nullopt) {
  return {LampEntry{name, caption, lumens, lld}};
}

LampNode Family(std::string_view name, std::string_view caption, std::optional<float> lld,
                std::vector<LampNode> children) {
  return {LampFamily{name, caption, lld, std::move(children)}};
}

std::vector<LampFamily> Build() {
  constexpr auto none = std::nullopt;
  auto family = [](LampNode node) { return std::get<LampFamily>(std::move(node.item)); };
  std::vector<LampFamily> top;

  top.push_back(family(Family(
      "mnuInc", "&Incandescent", none,
      {Family("mnuSmall", "&Small", 0.8f,
              {Lamp("mnu3", "&3-watt", 12), Lamp("mnu6", "&6-watt", 40),
               Lamp("mnu10", "&10-watt", 75), Lamp("mnu15", "1&5-watt", 126),
               Lamp("mnu25", "&25-watt", 260), Lamp("mnu40", "&40-watt", 500)}),
       Family("mnuMedium", "&Medium", 0.88f,
              {LampNode{LampEntry{"mnu60", "&60-watt", none, none}},
               Family("mnu75", "&75-watt", none,
                      {Lamp("mnu75A19", "&A-19", 1100), Lamp("mnu75PAR38", "&PAR-38", 760),
                       Lamp("mnu75R40", "&R-40", 850)}),
               Family("mnu100", "&100-watt", none,
                      {Lamp("mnu100A19", "&A-19,21", 1650), Lamp("mnu100PAR38", "&PAR-38", 1250),
                       Lamp("mnu100R40", "&R-40", 1160)}),
               Family("mnu150", "1&50-watt", none,
                      {Lamp("mnu150A21", "&A-21,23", 2800), Lamp("mnu150PAR38", "&PAR-38", 1730),
                       Lamp("mnu150R40", "&R-40", 1900)})})})));

  top.push_back(family(Family(
      "mnuTHal", "&Tungsten Halogen", 0.96f,
      {Family("mnuTHalPAR", "&PAR 38 - Quartz", none,
              {Lamp("mnuTHalPAR90", "&90-watt", 1740), Lamp("mnuTHalPAR150", "&150-watt", 2000),
               Lamp("mnuTHalPAR250", "&250-watt", 3220), Lamp("mnuTHalPAR500", "&500-watt", 7000),
               Lamp("mnuTHalPAR1000", "1&000-watt", 19400)}),
       Family(
           "mnuTHalSngl", "&Single-Ended", none,
           {Lamp("mnuTHalSngl75", "&75-watt", 1400), Lamp("mnuTHalSngl100", "&100-watt", 1900),
            Lamp("mnuTHalSngl150", "15&0-watt", 2800), Lamp("mnuTHalSngl250", "&250-watt", 5000),
            Lamp("mnuTHalSngl400", "&400-watt", 8200), Lamp("mnuTHalSngl500", "&500-watt", 10000)}),
       Family("mnuTHalDbl", "&Double-Ended", none,
              {Lamp("mnuTHalDbl200", "&200-watt", 3460), Lamp("mnuTHalDbl300", "&300-watt", 5950),
               Lamp("mnuTHalDbl400", "&400-watt", 7750), Lamp("mnuTHalDbl500", "&500-watt", 11100),
               Lamp("mnuTHalDbl1000", "&1000-watt", 23400)})})));

  top.push_back(family(Family(
      "mnuCom", "&Compact Fluorescent", 0.85f,
      {Family("mnuScrw", "&SL - Screw-in with ballast", none,
              {Lamp("mnuCS9", "&9-watt", 400), Lamp("mnuCS11", "1&1-watt", 600),
               Lamp("mnuCS15", "1&5-watt", 900), Lamp("mnuCS17", "1&7-watt", 950),
               Lamp("mnuCS18", "1&8-watt", 1000), Lamp("mnuCS20", "2&0-watt", 1200),
               Lamp("mnuCS23", "2&3-watt", 1550)}),
       Family("mnuPlugin", "&PL - Plug-in - Short 5\"- 8\"", none,
              {Lamp("mnuPLS5", "&5-watt", 250), Lamp("mnuPLS7", "&7-watt", 400),
               Lamp("mnuPLS9", "&9-watt", 600), Lamp("mnuPLS13", "1&3-watt", 860),
               Lamp("mnuPLS18", "1&8-watt", 1200), Lamp("mnuPLS20", "2&0-watt", 1200),
               Lamp("mnuPLS26", "2&6-watt", 1600)}),
       Family("mnuPluginl", "P&L - Plug-in - Long 9\"-23\"", none,
              {Lamp("mnuPLL18", "&18-watt", 1250, 0.9f), Lamp("mnuPLL24", "&24-watt", 1800, 0.9f),
               Lamp("mnuPLL36", "3&6-watt", 2900, 0.9f),
               Lamp("mnuPLL38", "3&8-watt", 3150, 0.9f)})})));

  // The temperatures are the ambient temperatures at which the lumens hold.
  top.push_back(family(
      Family("mnulfT5", "T&5 Linear Fluorescent ", none,
             {Family("mnulfT52FT", "&2FT", none,
                     {Lamp("mnulfT52FT14w25", "T5-&14-watt at 25°C/77°F", 1200, 0.95f),
                      Lamp("mnulfT52FT14w35", "T5-1&4-watt at 35°C/95°F", 1350, 0.95f),
                      Lamp("mnulfT52FT24w25", "T5&HO-24-watt at 25°C/77°F", 1750, 0.93f),
                      Lamp("mnulfT52FT24w35", "T5H&O-24-watt at 35°C/95°F", 2000, 0.93f)}),
              Family("mnulfT53FT", "&3FT", none,
                     {Lamp("mnulfT53FT21w25", "T5-&21-watt at 25°C/77°F", 1900, 0.95f),
                      Lamp("mnulfT53FT21w35", "T5-2&1-watt at 35°C/95°F", 2100, 0.95f),
                      Lamp("mnulfT53FT39w25", "T5&HO-39-watt at 25°C/77°F", 3100, 0.93f),
                      Lamp("mnulfT53FT39w35", "T5H&O-39-watt at 35°C/95°F", 3500, 0.93f)}),
              Family("mnulfT54FT", "&4FT", none,
                     {Lamp("mnulfT54FT28w25", "T5-&28-watt at 25°C/77°F", 2600, 0.95f),
                      Lamp("mnulfT54FT28w35", "T5-2&8-watt at 35°C/95°F", 2900, 0.95f),
                      Lamp("mnulfT54FT54w25", "T5&HO-54-watt at 25°C/77°F", 4450, 0.93f),
                      Lamp("mnulfT54FT54w35", "T5H&O-54-watt at 35°C/95°F", 5000, 0.93f),
                      Lamp("mnulfT54FT54wAmal", "T5HO-&54-watt Amalgam", 4900, 0.95f)}),
              Family("mnulfT55FT", "&5FT", none,
                     {Lamp("mnulfT55FT35w25", "T5-&35-watt at 25°C/77°F", 3300, 0.95f),
                      Lamp("mnulfT55FT35w35", "T5-3&5-watt at 35°C/95°F", 3650, 0.95f),
                      Lamp("mnulfT55FT80w25", "T5&HO-80-watt at 25°C/77°F", 6150, 0.93f),
                      Lamp("mnulfT55FT80w35", "T5H&O-80-watt at 35°C/95°F", 7000, 0.93f)})})));

  top.push_back(family(
      Family("mnuFl", "&T8 Linear Fluorescent ", none,
             {Family("mnuf2FT", "&2 FT", none, {Lamp("mnuf2T817", "&T8-17-watt", 1350, 0.94f)}),
              Family("mnuf3FT", "&3 FT", none, {Lamp("mnuf3T825W", "&T8-25-watt", 2150, 0.94f)}),
              Family("mnuf4FT", "&4 FT", none,
                     {Lamp("mnuf4T825W", "T8-&25-watt", 2400, 0.94f),
                      Lamp("mnuf4T828W", "T8-2&8-watt", 2600, 0.94f),
                      Lamp("mnuf4T830W", "T8-3&0-watt", 2750, 0.94f),
                      Lamp("mnuf4T832W", "&T8-32-watt", 2950, 0.94f)}),
              Family("mnuf8FT", "&8 FT", none,
                     {Lamp("mnuf8T850W", "&T8-50-watt", 5100, 0.94f),
                      Lamp("mnuf8T8HO96W", "T8&HO 86-watt", 8000, 0.94f)})})));

  top.push_back(family(
      Family("mnuHPS", "&High Pressure Sodium", 0.84f,
             {Lamp("mnuHL35", "&35-watt", 2200), Lamp("mnuHL50", "&50-watt", 3500),
              Lamp("mnuHL70", "&70-watt", 6000), Lamp("mnuHL100", "&100-watt", 9000),
              Lamp("mnuHL150", "150-&watt", 15500), Lamp("mnuHL250", "&250-watt", 28500),
              Lamp("mnuHL400", "&400-watt", 50000), Lamp("mnuHL1000", "1&000-watt", 140000)})));

  top.push_back(family(Family(
      "mnuMH", "&Metal Halide", none,
      {Lamp("mnuMH70", "&70-watt", 5000, 0.75f), Lamp("mnuMH100", "&100-watt", 8000, 0.75f),
       Lamp("mnuMH175", "17&5-watt", 14000, 0.8f), Lamp("mnuMH250", "&250-watt", 20000, 0.8f),
       Lamp("mnuMH400", "&400-watt", 36000, 0.8f),
       Lamp("mnuMH1000", "1&000-watt", 110000, 0.8f)})));
  return top;
}

}  // namespace

std::vector<LampChoice> AllLamps() {
  std::vector<LampChoice> out;
  std::vector<const LampFamily*> path;
  auto walk = [&](const LampFamily& family, auto& self) -> void {
    path.push_back(&family);
    for (const LampNode& node : family.children) {
      if (const auto* entry = std::get_if<LampEntry>(&node.item)) {
        out.push_back({path, entry});
      } else {
        self(std::get<LampFamily>(node.item), self);
      }
    }
    path.pop_back();
  };
  for (const LampFamily& family : LampCatalogue()) walk(family, walk);
  return out;
}

const std::vector<LampFamily>& LampCatalogue() {
  static const std::vector<LampFamily> catalogue = Build();
  return catalogue;
}

}  // namespace candelor
