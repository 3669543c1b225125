#include "policy/restriction_boxes.h"

namespace policy {

controls::CheckBox* restriction_box(mainwindow::MainForm& form, int number)
{
    switch (number) {
    case 11: return &form.c11;
    case 12: return &form.c12;
    case 13: return &form.c13;
    case 14: return &form.c14;
    case 15: return &form.c15;
    case 16: return &form.c16;
    case 17: return &form.c17;
    case 18: return &form.c18;
    case 19: return &form.c19;
    case 110: return &form.c110;
    case 21: return &form.c21;
    case 22: return &form.c22;
    case 23: return &form.c23;
    case 24: return &form.c24;
    case 25: return &form.c25;
    case 26: return &form.c26;
    case 27: return &form.c27;
    case 28: return &form.c28;
    case 29: return &form.c29;
    case 210: return &form.c210;
    case 31: return &form.c31;
    case 32: return &form.c32;
    case 33: return &form.c33;
    case 34: return &form.c34;
    case 35: return &form.c35;
    case 36: return &form.c36;
    case 37: return &form.c37;
    case 38: return &form.c38;
    case 39: return &form.c39;
    case 41: return &form.c41;
    case 61: return &form.c61;
    case 62: return &form.c62;
    case 63: return &form.c63;
    case 64: return &form.c64;
    case 65: return &form.c65;
    case 66: return &form.c66;
    case 67: return &form.c67;
    case 68: return &form.c68;
    case 69: return &form.c69;
    case 610: return &form.c610;
    case 90: return &form.c90;
    case 91: return &form.c91;
    case 93: return &form.c93;
    case 94: return &form.c94;
    case 95: return &form.c95;
    case 96: return &form.c96;
    case 98: return &form.c98;
    case 99: return &form.c99;
    default: return nullptr;
    }
}

} // namespace policy
