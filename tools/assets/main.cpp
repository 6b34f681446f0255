// orvane-assets: draws every picture, cursor and sound of the program and
// packs them into the resource modules of the program folder.
//
//   orvane-assets --output <program folder> --source <data/assets>
//       builds "SOL.RGF" and the modules of "plus/", then checks them
//       against <data/assets>/required_names.txt
//   orvane-assets --check <program folder> <required names list>
//       only checks modules already built
//   orvane-assets --contact-sheet <picture.png> <program folder>
//       reads the built modules back and lays the card pictures out in one
//       picture to look at
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <string>
#include <vector>

#include "assets/contact_sheet.h"
#include "assets/generators.h"
#include "assets/required_names.h"
#include "platform/resource_writer.h"

namespace {

constexpr int kFailed = 1;
constexpr int kBadUsage = 2;

int Usage() {
  std::fprintf(stderr,
               "usage: orvane-assets --output <program folder> --source <asset sources>\n"
               "       orvane-assets --check <program folder> <required names list>\n"
               "       orvane-assets --contact-sheet <picture.png> <program folder>\n");
  return kBadUsage;
}

std::string Folder(const std::string& path) { return path.empty() || path.back() == '/' ? path : path + "/"; }

int Check(const std::string& programFolder, const std::string& list) {
  std::string report;
  const bool complete = orv::assets::CheckRequiredNames(programFolder, list, report);
  std::fputs(report.c_str(), complete ? stdout : stderr);
  return complete ? 0 : kFailed;
}

int Build(const std::string& output, const std::string& source) {
  using orv::ResourceWriter;
  const std::string plus = output + "plus/";
  if (!QDir().mkpath(QString::fromStdString(plus))) {
    std::fprintf(stderr, "orvane-assets: cannot create %s\n", plus.c_str());
    return kFailed;
  }
  ResourceWriter main, extra, cardSets, backs, backgrounds;
  const orv::assets::Modules modules{main, extra, cardSets, backs, backgrounds};
  const orv::assets::Options options{output, source};
  // Every generator runs even after a failure, so that one run reports all.
  bool ok = orv::assets::AddCardPictures(modules, options);
  ok = orv::assets::AddInterfacePictures(modules, options) && ok;
  ok = orv::assets::AddCursors(modules, options) && ok;
  ok = orv::assets::AddSounds(modules, options) && ok;
  if (!ok) return kFailed;
  const std::pair<const ResourceWriter*, std::string> files[] = {
      {&main, output + "SOL.RGF"}, {&extra, plus + "soladd.rgf"}, {&cardSets, plus + "c01.rgf"},
      {&backs, plus + "d01.rgf"}, {&backgrounds, plus + "b01.rgf"},
  };
  for (const auto& [module, path] : files) {
    if (!module->Save(path)) {
      std::fprintf(stderr, "orvane-assets: cannot write %s\n", path.c_str());
      return kFailed;
    }
  }
  return Check(output, source + "required_names.txt");
}

}  // namespace

int main(int argc, char** argv) {
  // Fonts and painting need a GUI application, but never a display: the
  // build runs on machines without one.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 4 && args[0] == "--output" && args[2] == "--source") {
    return Build(Folder(args[1]), Folder(args[3]));
  }
  if (args.size() == 3 && args[0] == "--check") return Check(Folder(args[1]), args[2]);
  if (args.size() == 3 && args[0] == "--contact-sheet") {
    return orv::assets::WriteContactSheet(Folder(args[2]), args[1]) ? 0 : kFailed;
  }
  return Usage();
}
