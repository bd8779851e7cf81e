#include "services/card_image.h"

BaseCardImage::~BaseCardImage() = default;
