/* Symbol visibility of the plug-in's C exports. */
#ifndef GJBZ108A_EXPORT_H
#define GJBZ108A_EXPORT_H

#if defined(_WIN32)
#  if defined(GJBZ108A_BUILDING)
#    define GJBZ108A_API __declspec(dllexport)
#  else
#    define GJBZ108A_API __declspec(dllimport)
#  endif
#else
#  define GJBZ108A_API __attribute__((visibility("default")))
#endif

#endif
