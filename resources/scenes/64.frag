// Placeholder: slow rings over the motif.

void main()
{
    vec2 uv = gl_FragCoord.xy / iResolution.xy;
    vec2 p = (gl_FragCoord.xy - 0.5 * iResolution.xy) / iResolution.y;
    float r = length(p);
    vec3 img = texture2D(iChannel5, uv + 0.02 * vec2(sin(iGlobalTime), cos(iGlobalTime))).rgb;
    float ring = 0.5 + 0.5 * sin(30.0 * r - 2.0 * iGlobalTime);
    gl_FragColor = vec4(mix(img, vec3(0.9, 0.6, 0.2) * ring, 0.4), 1.0);
}
