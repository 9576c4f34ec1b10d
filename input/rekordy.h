#pragma once

// Transfer records of the data-entry dialogs: NUL-terminated text fields of
// fixed width (the width counts the NUL), exchanged back to back with the
// dialog's edit fields. Each record names its dialog template and the control
// id of each field. Number fields (the read-only ordinals and the node
// numbers) hold any int, so that no number is ever shown or stored cut: a
// model read from a file may have millions of nodes.

struct d_dane_pods { // dialog 3000
    static constexpr int szablon = 3000, id_elem = 3001, id_przem = 3002, id_sil = 3003;
    char d_il_elem[4];
    char d_il_przem[4];
    char d_il_sil[4];
};

struct d_dane_przek { // dialog 3010
    static constexpr int szablon = 3010, id_NRE = 8004, id_A = 8500, id_E = 8501, id_alf = 8502, id_dt = 8503;
    char NRE[11];
    char A[8];
    char E[14];
    char alf[14];
    char dt[8];
};

struct d_wsp { // dialog 3020
    static constexpr int szablon = 3020, id_i = 8004, id_x = 8500;
    char i[11];
    char x[8];
};

struct d_wymusz { // dialog 3030
    static constexpr int szablon = 3030, id_i = 8004, id_nu = 8500, id_x = 8501;
    char i[11];
    char nu[11];
    char x[8];
};

struct d_sily { // dialog 3040
    static constexpr int szablon = 3040, id_i = 8004, id_nr = 8500, id_f = 8501;
    char i[11];
    char nr[11];
    char f[8];
};

// The dialogs of what M1D files cannot hold, built as the five above.

struct d_obc_ciagle { // dialog 3050: a distributed load q on elements pierwszy..ostatni
    static constexpr int szablon = 3050, id_pierwszy = 8500, id_ostatni = 8501, id_q = 8502;
    char pierwszy[11];
    char ostatni[11];
    char q[14];
};

struct d_ciezar { // dialog 3060: self-weight, q = ±γ·A on every element
    static constexpr int szablon = 3060, id_gamma = 8500, id_kierunek = 8501;
    char gamma[14];
    char kierunek[3]; // "+x" or "-x"
};

struct d_sprezyna { // dialog 3070: the spring of node i
    static constexpr int szablon = 3070, id_i = 8500, id_k = 8501;
    char i[11];
    char k[14];
};

// The dialogs of changes of the bar's structure.

struct d_podzial { // dialog 3080: element i split at x
    static constexpr int szablon = 3080, id_i = 8500, id_x = 8501;
    char i[11];
    char x[14];
};

struct d_zlaczenie { // dialog 3090: the two elements at node i joined
    static constexpr int szablon = 3090, id_i = 8500;
    char i[11];
};

struct d_nowy_element { // dialog 3100: an element added at an end of the bar
    static constexpr int szablon = 3100, id_l = 8500, id_A = 8501, id_E = 8502;
    char l[14];
    char A[14];
    char E[14];
};

struct d_usuniecie_podpory { // dialog 3110: support i removed
    static constexpr int szablon = 3110, id_i = 8500;
    char i[11];
};

struct d_podzial_kazdego { // dialog 3120: every element into k parts
    static constexpr int szablon = 3120, id_k = 8500;
    char k[3];
};

static_assert(sizeof(d_dane_pods) == 12 && sizeof(d_dane_przek) == 55 && sizeof(d_wsp) == 19 &&
              sizeof(d_wymusz) == 30 && sizeof(d_sily) == 30);

// The control that opens a dialog focused, its text selected: the first
// editable field unless a caller names another (a refused entry).
inline constexpr int pierwsze_pole = 0;
