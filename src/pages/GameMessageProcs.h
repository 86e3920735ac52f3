#pragma once
// Shows a message a game asks for through the message procedure it names.
#include "pages/GameMessage.h"

// gmPraise -> ShowPraise(), gmError -> ShowError(Text), gmInfo ->
// ShowInfo(Text); gmNone shows nothing.
void ShowGameMessage(const TGameMessage& Message);
