/** @file
 * QRVEX: every public header of the export-support library. */
#ifndef QRVEX_QRVEX_H
#define QRVEX_QRVEX_H

#include "types.h"
#include "items.h"
#include "export.h"
#include "memory.h"
#include "cache.h"
#include "lists.h"
#include "navigate.h"
#include "properties.h"
#include "tables.h"
#include "changes.h"
#include "styles.h"
#include "gather.h"
#include "tabs.h"
#include "cells.h"
#include "doctree.h"
#include "numformat.h"
#include "datetime.h"
#include "datavalue.h"
#include "numerals.h"
#include "charset.h"

#endif
