// Reads the one card of a .vcf file with libebook-contacts and prints each of its properties as
// JSON: [{"name": ..., "types": [...], "values": [...]}, ...], the values decoded and split where
// the card separates them with ";". Fails unless the file holds exactly one card.
#include <libebook-contacts/libebook-contacts.h>
#include <stdio.h>

static void PrintJsonString(const char* text) {
    putchar('"');
    for (const unsigned char* c = (const unsigned char*)text; *c; ++c) {
        if (*c == '"' || *c == '\\') {
            printf("\\%c", *c);
        } else if (*c < 0x20) {
            printf("\\u%04x", *c);
        } else {
            putchar(*c);
        }
    }
    putchar('"');
}

// The number of physical lines of |text| that are exactly |line|, in any case.
static int CountLines(const char* text, const char* line) {
    int count = 0;
    gchar** lines = g_strsplit(text, "\n", -1);
    for (gchar** l = lines; *l; ++l) {
        g_strchomp(*l);
        if (g_ascii_strcasecmp(*l, line) == 0) ++count;
    }
    g_strfreev(lines);
    return count;
}

// The TYPE values of |attribute|, and the names of parameters given without a value.
static void PrintTypes(EVCardAttribute* attribute) {
    int first = 1;
    printf("[");
    for (GList* p = e_vcard_attribute_get_params(attribute); p; p = p->next) {
        EVCardAttributeParam* param = p->data;
        const char* name = e_vcard_attribute_param_get_name(param);
        GList* values = e_vcard_attribute_param_get_values(param);
        if (g_ascii_strcasecmp(name, "TYPE") == 0) {
            for (GList* v = values; v; v = v->next) {
                gchar* upper = g_ascii_strup(v->data, -1);
                printf(first ? "" : ", ");
                PrintJsonString(upper);
                g_free(upper);
                first = 0;
            }
        } else if (!values) {
            gchar* upper = g_ascii_strup(name, -1);
            printf(first ? "" : ", ");
            PrintJsonString(upper);
            g_free(upper);
            first = 0;
        }
    }
    printf("]");
}

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s FILE.vcf\n", argv[0]);
        return 2;
    }
    gchar* text = NULL;
    GError* error = NULL;
    if (!g_file_get_contents(argv[1], &text, NULL, &error)) {
        fprintf(stderr, "%s\n", error->message);
        g_error_free(error);
        return 1;
    }
    // EVCard reads the first card only, so the others are counted here.
    const int begins = CountLines(text, "BEGIN:VCARD");
    const int ends = CountLines(text, "END:VCARD");
    if (begins != 1 || ends != 1) {
        fprintf(stderr, "%s: %d cards begin and %d end, not one\n", argv[1], begins, ends);
        g_free(text);
        return 1;
    }
    EVCard* card = e_vcard_new_from_string(text);
    g_free(text);
    GList* attributes = e_vcard_get_attributes(card);
    if (!attributes) {
        fprintf(stderr, "%s: no card read\n", argv[1]);
        g_object_unref(card);
        return 1;
    }
    printf("[\n");
    for (GList* a = attributes; a; a = a->next) {
        EVCardAttribute* attribute = a->data;
        gchar* name = g_ascii_strup(e_vcard_attribute_get_name(attribute), -1);
        printf("{\"name\": ");
        PrintJsonString(name);
        g_free(name);
        printf(", \"types\": ");
        PrintTypes(attribute);
        printf(", \"values\": [");
        for (GList* v = e_vcard_attribute_get_values(attribute); v; v = v->next) {
            if (v != e_vcard_attribute_get_values(attribute)) printf(", ");
            PrintJsonString(v->data);
        }
        printf("]}%s\n", a->next ? "," : "");
    }
    printf("]\n");
    g_object_unref(card);
    return 0;
}
