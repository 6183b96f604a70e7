#pragma once
// The common back of every card: dark red with a lattice and a gold plum crest.

#include <QImage>

namespace vm {

QImage PaintCardBack(int scale = 1);

}  // namespace vm
