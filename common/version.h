/* The version of both programs, for their version resources. */
#ifndef VANTREL_VERSION_H
#define VANTREL_VERSION_H

#define VERSION_NUMBER      1,0,0,0
#define VERSION_TEXT        "1.0.0"
#define VERSION_PRODUCT     "Orlavex Dictionary"
#define VERSION_COMPANY     "The Orlavex harbour team"
#define VERSION_COPYRIGHT   "Words and program by the Orlavex harbour team"

#endif
