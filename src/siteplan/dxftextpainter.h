// SPDX-FileCopyrightText: 2026 The Vistaro developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "dxf/dxfdrawing.h"

class QFont;
class QPainter;

namespace vistaro {

// Draws a text of a DXF drawing in the drawing's pixels (drawing units with y turned over) with
// the painter's pen: in `font` scaled so that a capital is the text's height tall, turned by its
// angle, its lines downwards, an MTEXT's wrapped at its width, the whole placed on its position
// by its alignment. The text's box runs from the top of the first line's capitals to the bottom
// of the last line's descenders; its middle lies halfway between that top and the last base
// line. A text without height draws nothing.
void paintDxfText(QPainter& painter, const DxfText& text, const QFont& font);

} // namespace vistaro
