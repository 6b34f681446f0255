// The table pointers of the image module, with their hot spots.
#pragma once

#include <QImage>
#include <QPoint>
#include <string>
#include <vector>

namespace orv::assets {

struct CursorPicture {
  std::string name;  // "CUR_ARROW1A" ...
  QImage image;      // 32 x 32, with alpha
  QPoint hotSpot;
};

std::vector<CursorPicture> CursorPictures();

}  // namespace orv::assets
