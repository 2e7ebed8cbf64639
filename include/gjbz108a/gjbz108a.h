/*
 * The non-operating failure-rate method as a plug-in: every C export.
 *
 * Every export may be called from several threads at once on distinct records
 * and buffers: the state of a calculation (the validity status and message of
 * the curve lookup) is kept per thread, and the tables are read only.
 */
#ifndef GJBZ108A_H
#define GJBZ108A_H

#include <gjbz108a/records.h>
#include <gjbz108a/calc.h>
#include <gjbz108a/check.h>
#include <gjbz108a/screen.h>
#include <gjbz108a/defaults.h>
#include <gjbz108a/global_change.h>
#include <gjbz108a/report.h>
#include <gjbz108a/data_exchange.h>
#include <gjbz108a/edit.h>

#endif
