// The network module's one entry, looked up by name at the first synchronisation.
#include "platform/linux/modules/inet_transfer.h"

extern "C" HttpTransfer* zeitfangNewTransfer() {
    return new InetTransfer;
}
