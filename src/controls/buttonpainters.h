#pragma once

#include "controls/buttonstyles.h"

// One painter per style; the system-like styles 0, 1, 11 and 12 share one.
void PaintSystemStyle(QPainter &painter, int style, const ButtonFace &face, ButtonState state);
void PaintStyle2(QPainter &painter, const ButtonFace &face, ButtonState state);
void PaintStyle3(QPainter &painter, const ButtonFace &face, ButtonState state);
void PaintStyle4(QPainter &painter, const ButtonFace &face, ButtonState state);
void PaintStyle5(QPainter &painter, const ButtonFace &face, ButtonState state);
void PaintStyle6(QPainter &painter, const ButtonFace &face, ButtonState state);
void PaintStyle7(QPainter &painter, const ButtonFace &face, ButtonState state);
void PaintStyle8(QPainter &painter, const ButtonFace &face, ButtonState state);
void PaintStyle9(QPainter &painter, const ButtonFace &face, ButtonState state);
void PaintStyle10(QPainter &painter, const ButtonFace &face, ButtonState state);
void PaintStyle13(QPainter &painter, const ButtonFace &face, ButtonState state);
void PaintStyle14(QPainter &painter, const ButtonFace &face, ButtonState state);
void PaintStyle15(QPainter &painter, const ButtonFace &face, ButtonState state);

// Half of a length, halves rounded to the even neighbour (33 gives 16, 27 gives 14).
int HalfEven(int length);
