#pragma once
// Shows part of the back buffer without a swap, where the GL offers it (Mesa's
// GLX_MESA_copy_sub_buffer). The back buffer then keeps what was drawn into
// it, so a picture that changes in one place (the menu's logo) need only be
// drawn and shown there; after a swap the back buffer's contents are undefined.
bool canCopySubBuffer();
// Copies the rectangle of window pixels (origin bottom left) to the screen.
void copySubBuffer(int x, int y, int w, int h);
