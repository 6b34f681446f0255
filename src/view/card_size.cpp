#include "view/card_size.h"

#include <tuple>

#include "cards/main_game.h"
#include "settings/settings.h"

namespace orv {

namespace {

constexpr int kAdvicePage = 0;

struct Reduction {
  std::string letter;
  SizeNotice notice;
};

// The first reduction rule that applies to a screen that does not suit the
// game. `saved` is the saved letter after this game's saving step.
Reduction Reduce(int width, int sizeClass, const std::string& current, const std::string& saved) {
  const auto inUse = [&](std::string_view l) { return current == l || saved == l; };
  const bool narrow = width < 650, medium = width >= 650 && width < 810;
  if (sizeClass == 1 && narrow) return {"M", SizeNotice::Medium640x480};
  if (sizeClass == 2 && width < 810) return {"M", SizeNotice::Medium800x600};
  if (sizeClass == 2 && width < 1100) {
    if (current == "S") return {"B", SizeNotice::Large};
    if (current == "X") return {"B", SizeNotice::ExtraLarge};
    return {current, SizeNotice::None};
  }
  if (narrow && (inUse("S") || inUse("X"))) return {"B", saved == "S" ? SizeNotice::Large : SizeNotice::ExtraLarge};
  if (medium && inUse("X")) return {sizeClass == 1 ? "B" : "S", SizeNotice::ExtraLarge};
  if (medium && sizeClass == 1 && inUse("S")) return {"B", SizeNotice::Large};
  return {current, SizeNotice::None};
}

// What a reload depends on besides parameter 50.
auto CardSetState(const SessionRecord& r) {
  return std::tuple(r.Get(sr::CardSize), r.Get(sr::CardSet), r.Get(sr::CustomizedCardsSet),
                    r.Get(sr::AdditionalCardsSet));
}

void CopyKey(const ProfileFile& settings, std::string_view from, std::string_view to) {
  settings.WriteString(kPreferenceSection, to, settings.ReadString(kPreferenceSection, from, ""));
}

// Only the session record and the "_Old_Big" keys change: the player's own
// choice in the settings file stays as it was, so leaving the program
// during a reduced game loses nothing.
void SaveSize(Engine& engine) {
  SessionRecord& r = engine.session;
  r.Put(sr::CardSizeKept, r.Get(sr::CardSize));
  r.Put(sr::CardSetKept, r.Get(sr::CardSet));
  r.Put(sr::CustomizedCardsSetKept, r.Get(sr::CustomizedCardsSet));
  r.Put(sr::AdditionalCardsSetKept, r.Get(sr::AdditionalCardsSet));
  const ProfileFile settings = engine.Settings();
  CopyKey(settings, "Customized_Cards_Set", "Customized_Cards_Set_Old_Big");
  CopyKey(settings, "Additional_Cards_Set", "Additional_Cards_Set_Old_Big");
}

void RestoreSavedSize(Engine& engine) {
  SessionRecord& r = engine.session;
  r.Put(sr::CardSize, r.Get(sr::CardSizeKept));
  r.Put(sr::CardSet, r.Get(sr::CardSetKept));
  r.Put(sr::CustomizedCardsSet, r.Get(sr::CustomizedCardsSetKept));
  r.Put(sr::AdditionalCardsSet, r.Get(sr::AdditionalCardsSetKept));
  for (SrField kept : {sr::CardSizeKept, sr::CardSetKept, sr::CustomizedCardsSetKept, sr::AdditionalCardsSetKept})
    r.Put(kept, "");
  const ProfileFile settings = engine.Settings();
  CopyKey(settings, "Customized_Cards_Set_Old_Big", "Customized_Cards_Set");
  CopyKey(settings, "Additional_Cards_Set_Old_Big", "Additional_Cards_Set");
  settings.WriteString(kPreferenceSection, "Customized_Cards_Set_Old_Big", "");
  settings.WriteString(kPreferenceSection, "Additional_Cards_Set_Old_Big", "");
}

// The 640x480 notice has its own once-per-run field; the other three share one.
bool GiveNotice(Engine& engine, CardSizeFields& fields, SizeNotice notice) {
  fields.forcedSize = 1;
  bool& given = notice == SizeNotice::Medium640x480 ? fields.notice640Given : fields.otherNoticeGiven;
  if (given) return false;
  given = true;
  ShowAdvice(engine.host, engine.Settings(), NoticeText(notice, engine.session.Get(sr::GameName)), NoticeKey(notice),
             kAdvicePage);
  return true;
}

}  // namespace

SizeChoice DecideCardSize(const SizeChoiceInput& in) {
  const int w = in.screenWidth, c = in.sizeClass;
  const auto inUse = [&](std::string_view l) { return in.current == l || in.saved == l; };
  SizeChoice out;
  const bool suits = (c != 1 || w >= 650) && (c != 2 || w >= 1100);
  if (suits && !(w < 650 && inUse("S")) && !(w < 810 && c == 1 && inUse("S")) && !(w < 810 && inUse("X"))) {
    out.restore = true;
    out.letter = in.saved.empty() ? in.current : in.saved;
    return out;
  }
  out.save = in.saved.empty() && (in.current == "B" || in.current == "S" || in.current == "X");
  const Reduction r = Reduce(w, c, in.current, out.save ? in.current : in.saved);
  out.letter = r.letter;
  if (out.save) out.notice = r.notice;
  return out;
}

std::string_view NoticeKey(SizeNotice notice) {
  switch (notice) {
    case SizeNotice::Medium640x480: return "Msg_Cards_Medium_640x480";
    case SizeNotice::Medium800x600: return "Msg_Cards_Medium_800x600";
    case SizeNotice::Large: return "Msg_Cards_Large";
    case SizeNotice::ExtraLarge: return "Msg_Extra_Large_Cards";
    case SizeNotice::None: break;
  }
  return {};
}

std::string NoticeText(SizeNotice notice, std::string_view gameName) {
  const std::string g(gameName);
  switch (notice) {
    case SizeNotice::Medium640x480:
      return "Your video card's display is 640x480 pixels. For the best graphics display the screen resolution "
             "should be set to 800x600 pixels or higher. However, it's possible to play " +
             g + " " + "using a predefined cards set.";
    case SizeNotice::Medium800x600:
      return "Your video card's display is 800x600 pixels. For the best graphics display of this game the screen "
             "resolution should be set to 1024x768 pixels or higher. However, it's possible to play " +
             g + " " + "using a predefined Cards set.";
    case SizeNotice::Large:
      return "You have selected the Large size Cards Set. It's possible to play " + g + " " +
             "using a predefined Cards Set.";
    case SizeNotice::ExtraLarge:
      return "You have selected the Extra Large size Cards Set. It's possible to play " + g + " " +
             "using a predefined Cards Set.";
    case SizeNotice::None: break;
  }
  return {};
}

CardSizeOutcome ChooseCardSize(Engine& engine, CardPictures& pictures) {
  SessionRecord& r = engine.session;
  const auto before = CardSetState(r);
  const std::string saved = r.Get(sr::CardSizeKept);
  const SizeChoice choice =
      DecideCardSize({engine.host.Screen().width, engine.params[P::CardSizeClass], r.Get(sr::CardSize), saved});
  CardSizeOutcome out;
  if (choice.restore) {
    if (!saved.empty()) RestoreSavedSize(engine);
    out.customizeEnabled = true;
  } else {
    if (choice.save) SaveSize(engine);
    else pictures.sizeFields.forcedSize = 1;
    if (choice.letter != r.Get(sr::CardSize)) pictures.SetCardSize(choice.letter);
    if (choice.notice != SizeNotice::None && pictures.sizeFields.forcedSize == 0)
      out.repaintNow = GiveNotice(engine, pictures.sizeFields, choice.notice);
  }
  if (CardSetState(r) != before || engine.params[P::FacePictures] != pictures.sizeFields.facesVariant) {
    pictures.LoadCardSettings();
    out.picturesReloaded = true;
  }
  SetCardSteps(engine.main, engine.params, r.Get(sr::CardSize));
  return out;
}

}  // namespace orv
