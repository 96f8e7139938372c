// The window's picture, where the five views draw: 6255 × 6015 twips at 15 twips to
// the pixel, laid out with a 2-pixel sunken frame around the image the views draw on. The
// drawing geometry is fitted to this size in the window and in the batch front end alike.
#pragma once

inline constexpr int kTwipsPerPixel = 15;

inline constexpr int kPictureWidthTwips = 6255;
inline constexpr int kPictureHeightTwips = 6015;
inline constexpr int kPictureFramePixels = 2;

// The control, frame included: 417 × 401 pixels.
inline constexpr int kPictureWidthPixels = kPictureWidthTwips / kTwipsPerPixel;
inline constexpr int kPictureHeightPixels = kPictureHeightTwips / kTwipsPerPixel;
// The image inside the frame: 413 × 397 pixels, its top-left corner at twips (0, 0).
inline constexpr int kPictureImageWidthPixels = kPictureWidthPixels - 2 * kPictureFramePixels;
inline constexpr int kPictureImageHeightPixels = kPictureHeightPixels - 2 * kPictureFramePixels;

// The largest control the window grows its picture to: the drawing's coordinates and the
// picture's height in twips are 16-bit, so the picture stays within 32767 twips each way.
inline constexpr int kPictureMaxPixels = 32767 / kTwipsPerPixel;
