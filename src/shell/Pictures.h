#pragma once
// The program's pictures, compiled in as resources ":/pictures/<file>".
//
// How pages get at them: a picture is decoded the first time something asks
// for it, never ahead of need, and kept for the rest of the run. Decoding a
// page-sized picture costs about as much as building a whole page, so
// start-up decodes only what the start page and the tool bar show, and a
// page decodes only the pictures it shows itself. A page or window that
// shows one of these pictures asks for it where it is created (in its
// FormCreate), through SharedPicture for a TImage or a panel background:
//
//     Image1->Picture()->SetGraphic(SharedPicture(QStringLiteral("x.gif")));
//
// All users share the pixels of that one decoding (copies of a TGraphic or
// QImage share them), so the panel also finds a background it stretched on
// an earlier visit. An animated picture shown in a TGIFImage is loaded into
// the control with LoadFromData(PictureFile(...)); the control composes its
// frames as the animation reaches them.
#include <QByteArray>
#include <QIcon>
#include <QString>

class TGraphic;

// The contents of a picture file; empty when the program has no such file.
QByteArray PictureFile(const QString& FileName);

// Picture FileName decoded (its first frame for an animation), shared for
// the whole run; nullptr when the program has no such picture or it cannot
// be read.
const TGraphic* SharedPicture(const QString& FileName);

// A tool bar glyph from a GIF picture file.
QIcon GlyphIcon(const QString& FileName);
