#pragma once

#include <cstdint>

// 1-based vectors and matrices of the model.
//
// A vector nl..nh is one block of nh - nl + 2 cells; the returned base p has
// p[nl] at the block's second cell, p[nl - 1] is a spare cell nobody uses.
// A matrix nrl..nrh x ncl..nch is a block of row pointers (one spare) and one
// contiguous block of rows (one spare cell in front), so m[i][nch] and
// m[i + 1][ncl] are adjacent. Memory is not initialised.
//
// No helper returns null or a block smaller than asked: a request that cannot
// be represented or satisfied ends the process through nrerror().

[[noreturn]] void nrerror(const char* error_text);

float* wektor(int nl, int nh);
int* iwektor(int nl, int nh);
unsigned char* cwektor(int nl, int nh);
std::uint32_t* lwektor(int nl, int nh);
double* dwektor(int nl, int nh);
float** macierz(int nrl, int nrh, int ncl, int nch);
double** dmacierz(int nrl, int nrh, int ncl, int nch);
int** imacierz(int nrl, int nrh, int ncl, int nch);

// The same, answering null where the others end the process: for a model
// that may be refused while the one held stays.
float* wektor_lub_nic(int nl, int nh);
int* iwektor_lub_nic(int nl, int nh);
float** macierz_lub_nic(int nrl, int nrh, int ncl, int nch);

// Releases take the bounds used to allocate; nh/nrh/nch are not needed.
void uwolnij_wektor(float* v, int nl, int nh);
void uwolnij_iwektor(int* v, int nl, int nh);
void uwolnij_cwektor(unsigned char* v, int nl, int nh);
void uwolnij_lwektor(std::uint32_t* v, int nl, int nh);
void uwolnij_dwektor(double* v, int nl, int nh);
void uwolnij_macierz(float** m, int nrl, int nrh, int ncl, int nch);
void uwolnij_dmacierz(double** m, int nrl, int nrh, int ncl, int nch);
void uwolnij_imacierz(int** m, int nrl, int nrh, int ncl, int nch);
