// Placeholder: city lights through a panorama strip.

void main()
{
    vec2 uv = gl_FragCoord.xy / iResolution.xy + iMouse.xy * 0.0001;
    vec3 a = texture2D(iChannel1, uv * vec2(1.0, 1.0) + vec2(0.03 * iGlobalTime, 0.0)).rgb;
    vec3 b = texture2D(iChannel2, vec2(uv.x * 0.5 + 0.02 * iGlobalTime, uv.y)).rgb;
    float band = smoothstep(0.3, 0.35, uv.y) * smoothstep(0.7, 0.65, uv.y);
    gl_FragColor = vec4(mix(a, b, band), 1.0);
}
