// Tiny pictures, modules and player files for the picture tests: a program
// folder with its own "SOL.RGF", a data folder, and an engine on a
// RecordingHost whose session record holds the built-in defaults.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

#include <QImage>
#include <gtest/gtest.h>

#include "platform/recording_host.h"
#include "platform/resource_module.h"
#include "platform/resource_writer.h"
#include "play/engine.h"
#include "support/temp_dir.h"
#include "view/card_pictures.h"

namespace orv::test {

QImage Solid(int width, int height, QRgb colour);
// A picture whose every pixel is `colour(x, y)`.
QImage Painted(int width, int height, const std::function<QRgb(int x, int y)>& colour);

std::string PngBytes(const QImage& image);
std::string BmpBytes(const QImage& image);
std::string JpegBytes(const QImage& image);  // through libjpeg at full quality

// The colour of cell (col, row) of a card sheet, distinct for every cell
// of every suit block.
QRgb CellColour(int block, int row, int col);
// A sheet of `rows` x 5 cells of `cell` size, each filled with CellColour
// (block = row / 3, row within the block = row % 3).
QImage CardSheet(int cellWidth, int cellHeight, int rows, int block = 0);

// The centre pixel, the least JPEG or scaling touches.
QRgb Centre(const QImage& image);

class PictureTest : public ::testing::Test {
 protected:
  PictureTest();

  // Writes "SOL.RGF" from `module` and opens it as the image module.
  void InstallImageModule(const ResourceWriter& module);
  // Writes a module into the "plus" folder ("soladd.rgf", "c01.rgf" ...).
  void InstallPlusModule(const std::string& file, const ResourceWriter& module);

  // The pictures object; made on first use, after the modules are in place.
  CardPictures& Pictures();

  void SetSession(std::initializer_list<std::pair<SrField, std::string>> fields);
  void WriteSetting(const std::string& key, const std::string& value);
  std::string Setting(const std::string& key);

  TempDir root;
  RecordingHost host;
  std::string program;
  std::string data;
  Engine engine;
  std::unique_ptr<ResourceModule> imageModule;
  std::unique_ptr<CardPictures> pictures;
};

}  // namespace orv::test
