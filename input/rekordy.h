#pragma once

// Transfer records of the data-entry dialogs: NUL-terminated text fields of
// fixed width (the width counts the NUL), exchanged back to back with the
// dialog's edit fields. Node-number fields hold four digits: a 999-element
// bar has a node 1000.

struct d_dane_pods { // dialog 3000
    char d_il_elem[4];
    char d_il_przem[4];
    char d_il_sil[4];
};

struct d_dane_przek { // dialog 3010
    char NRE[6];
    char A[8];
    char E[14];
    char alf[14];
    char dt[8];
};

struct d_wsp { // dialog 3020
    char i[5];
    char x[8];
};

struct d_wymusz { // dialog 3030
    char i[4];
    char nu[5];
    char x[8];
};

struct d_sily { // dialog 3040
    char i[4];
    char nr[5];
    char f[8];
};

static_assert(sizeof(d_dane_pods) == 12 && sizeof(d_dane_przek) == 50 && sizeof(d_wsp) == 13 &&
              sizeof(d_wymusz) == 17 && sizeof(d_sily) == 17);
